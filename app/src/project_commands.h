#pragma once
// The project and card operations of the host: opening and saving project
// files through the host's data library, and the project on the senders'
// cards through the simulated hardware. A failure leaves the current
// project as it was and tells the user why.
#include "page_host.h"

#include <functional>
#include <string>

namespace app {

class CPrompts;
class IHardware;

class CProjectCommands final : public IHostCommands {
public:
    CProjectCommands(CPrompts& prompts, IHardware& hardware) : m_prompts(prompts), m_hardware(hardware) {}

    // Called after the project was replaced or saved (window title).
    void SetChangeHandler(std::function<void()> handler) { m_onChange = std::move(handler); }

    // Without dialogs, for the command line and scripts; saving to an empty
    // path saves to the project's own file.
    bool Open(const std::string& path, std::string& error);
    bool Save(const std::string& path, std::string& error);

    // IHostCommands: an empty open path asks; saving a project that has no
    // file yet asks for one.
    int OpenProject(const std::string& path) override;
    int SaveProject() override;
    int SaveProjectAs() override;
    int LoadProjectFromCard(int senderIndex) override;
    int SaveProjectToCard(int& cancelled, CWnd* wnd) override;

private:
    void Changed();
    // Saves, telling the user why when it fails; answers 1 or 0.
    int SaveTelling(const std::string& path);

    CPrompts& m_prompts;
    IHardware& m_hardware;
    std::function<void()> m_onChange;
};

} // namespace app
