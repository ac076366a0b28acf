#pragma once
// Plays a parsed scenario against the running host: project and monitoring
// commands through the host, input through the input driver, modal answers
// through the control library's modal script, checks against the JSON dump.
// Any failure stops the run with "line N: <command>: <why>"; so does a
// modal (message box, menu, dialog, file dialog) that appeared with no
// answer queued.
#include "input_driver.h"
#include "progress_photo.h"
#include "script.h"

#include <QJsonObject>

#include <functional>
#include <string>
#include <vector>

class QPixmap;
class QWidget;

namespace app {

class CPageHost;
class CProjectCommands;
class CPrompts;
class IHardware;

struct SScenarioEnv {
    CPageHost& host;
    CWnd& pageArea;
    QWidget& window;
    IHardware& hardware;
    CProjectCommands& commands;
    CPrompts& prompts;
    std::function<QJsonObject()> dump;
    std::string screenshotFolder;
    // Random input (the monkey): a modal shown with nothing queued, an
    // answer it refused, an error the host told and a point with no window
    // under it are no failure.
    bool randomInput = false;
};

// How long a round may take to reach the page before the run fails.
constexpr int kRoundRefreshTimeoutMs = 5000;
// How often an expect with a time limit looks at the dump again.
constexpr int kExpectPollMs = 20;

class CScenarioRunner {
public:
    explicit CScenarioRunner(SScenarioEnv env);

    bool Run(const std::vector<SScriptCommand>& commands, std::string& error);
    // Whether every answer the script queued was taken by a window: one
    // left over means a dialog, box or menu the script counted on never
    // appeared (the commands of a within-dialog block never ran).
    static bool AllAnswersTaken(std::string& error);
    // Screenshots written so far, in order.
    const std::vector<std::string>& Screenshots() const { return m_screenshots; }

private:
    bool Execute(const SScriptCommand& command, std::string& error);
    // Runs a within-dialog block on the dialog shown: input goes to the
    // dialog and screenshots show it. Throws on the first failure, which
    // ends the dialog and fails the command that opened it.
    void RunInDialog(CWnd& dialog, const std::vector<SScriptCommand>& block);
    bool Mouse(const SScriptCommand& command, std::string& error);
    bool Rounds(int count, std::string& error);
    bool Expect(const SScriptCommand& command, std::string& error);
    bool Screenshot(QWidget& widget, const std::string& name, std::string& error);
    bool SavePicture(const QPixmap& picture, const std::string& name, std::string& error);
    // A progress photograph asked for and not taken by the command after it.
    bool ProgressPhotoTaken(const SScriptCommand& command, std::string& error);
    bool Resize(int width, int height, std::string& error);
    // Modals that were shown with nothing queued since the last check.
    bool UnansweredModals(std::string& error);

    SScenarioEnv m_env;
    CInputDriver m_input;
    CInputDriver* m_active;          // the page's input, or a dialog's inside a block
    QWidget* m_shotWindow = nullptr; // what a screenshot shows inside a block
    CProgressPhoto m_progressPhoto;
    std::size_t m_modalErrorsSeen = 0;
    std::vector<std::string> m_screenshots;
};

// Writes a JSON object to a file, indented; false with a message.
bool WriteJsonFile(const std::string& path, const QJsonObject& object, std::string& error);

} // namespace app
