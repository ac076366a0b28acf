#pragma once
// The host's main window: the menus and the page area between them. It
// holds no logic of its own; every menu entry calls one of the actions.
#include <QMainWindow>

#include <functional>
#include <string>
#include <vector>

class QAction;

namespace app {

struct SMainWindowActions {
    std::function<void()> open, save, saveAs, loadFromCard, saveToCard, exit;
    std::function<void()> startMonitoring, stopMonitoring;
    std::function<void()> nextRound; // offered only in step mode
    std::function<void()> showMonitor, showSummary;
    std::function<void()> about;
    std::function<bool()> isMonitoring;
    std::function<int()> currentPage;
};

class CMainWindow final : public QMainWindow {
public:
    CMainWindow(SMainWindowActions actions, bool stepMode);

    // The widget the page area is created in.
    QWidget* PageContainer() const { return m_container; }
    void SetProjectTitle(const std::string& project, bool modified);
    // A message that needs no answer, in the status bar; kept for the dump.
    void ShowNotice(const std::string& text);
    const std::vector<std::string>& Notices() const { return m_notices; }
    // Closing the window ends the program through the exit action.
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenus(bool stepMode);
    void RefreshMenuStates();

    SMainWindowActions m_actions;
    QWidget* m_container = nullptr;
    QAction* m_start = nullptr;
    QAction* m_stop = nullptr;
    QAction* m_round = nullptr;
    QAction* m_monitorPage = nullptr;
    QAction* m_summaryPage = nullptr;
    std::vector<std::string> m_notices;
};

} // namespace app
