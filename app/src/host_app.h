#pragma once
// The host application put together: the host's libraries set up for this
// run, the main window with its page area, the page library loaded and its
// page attached next to the host's summary page, and the orderly end:
// monitoring stopped, pages released, windows gone, library closed.
#include "hardware.h"
#include "main_window.h"
#include "module_loader.h"
#include "monkey.h"
#include "options.h"
#include "page_area.h"
#include "page_host.h"
#include "project_commands.h"
#include "prompts.h"
#include "summary_page.h"

#include <QJsonObject>

#include <memory>
#include <string>

namespace app {

class CHostApp {
public:
    explicit CHostApp(AppOptions options);
    ~CHostApp();
    CHostApp(const CHostApp&) = delete;
    CHostApp& operator=(const CHostApp&) = delete;

    // Everything up to the page shown; false with a message for the user.
    bool Start(std::string& error);
    // The event loop until the window closes; answers the exit code.
    int RunInteractive();
    // Plays a scenario's text; false with "line N: ...".
    bool RunScenario(const std::string& text, std::string& error);
    // Plays the monkey (monkey.h); its files go to the screenshot folder.
    bool RunMonkey(uint32_t seed, SMonkeyReport& report, std::string& error);
    // The observable state (docs/scenario.md lists its members).
    QJsonObject Dump() const;
    // The same without the host's call log, which grows with the run, and
    // without the panes' drawing (they are painted all the same) unless
    // `drawing`.
    QJsonObject StateDump(bool drawing) const;
    // Releases the monitor page and creates it again through the page
    // library's entry; false with a message.
    bool RecreateMonitorPage(std::string& error);
    // Ends monitoring and releases the pages; runs once, also from the destructor.
    void Shutdown();

private:
    // The main window's first size: --size, else the default for the
    // density, within the screen.
    QSize WindowSize() const;
    SMainWindowActions MenuActions();
    SScenarioEnv ScenarioEnv();
    void UpdateTitle();
    void StartOrStopMonitoring(bool start);
    std::vector<std::string> SummaryLines() const;

    AppOptions m_options;
    CPrompts m_prompts;
    std::unique_ptr<IHardware> m_hardware;
    CProjectCommands m_commands;
    std::unique_ptr<CMainWindow> m_window;
    CPageArea m_pageArea;
    std::unique_ptr<CPageHost> m_host;
    std::unique_ptr<CSummaryPage> m_summary;
    CModuleLoader m_loader;
    bool m_started = false;
    bool m_shutDown = false;
};

// Reads a whole text file; false with a message.
bool ReadTextFile(const std::string& path, std::string& text, std::string& error);

} // namespace app
