#include "main_window.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QMenuBar>
#include <QStatusBar>
#include <QVBoxLayout>

namespace app {

CMainWindow::CMainWindow(SMainWindowActions actions, bool stepMode) : m_actions(std::move(actions))
{
    m_container = new QWidget(this);
    auto* layout = new QVBoxLayout(m_container);
    layout->setContentsMargins(0, 0, 0, 0);
    setCentralWidget(m_container);
    BuildMenus(stepMode);
    SetProjectTitle({}, false);
}

void CMainWindow::BuildMenus(bool stepMode)
{
    auto add
        = [this](QMenu* menu, const QString& text, const std::function<void()>& action, const QKeySequence& keys = {}) {
              QAction* a = menu->addAction(text);
              if (!keys.isEmpty())
                  a->setShortcut(keys);
              connect(a, &QAction::triggered, this, [action] {
                  if (action)
                      action();
              });
              return a;
          };
    QMenu* file = menuBar()->addMenu(tr("&File"));
    add(file, tr("&Open..."), m_actions.open);
    add(file, tr("&Save"), m_actions.save);
    add(file, tr("Save &As..."), m_actions.saveAs);
    file->addSeparator();
    add(file, tr("&Load from card"), m_actions.loadFromCard);
    add(file, tr("Save to &card"), m_actions.saveToCard);
    file->addSeparator();
    add(file, tr("E&xit"), m_actions.exit);

    QMenu* monitoring = menuBar()->addMenu(tr("&Monitoring"));
    m_start = add(monitoring, tr("&Start"), m_actions.startMonitoring);
    m_stop = add(monitoring, tr("S&top"), m_actions.stopMonitoring);
    if (stepMode) {
        // With --step the monitoring thread reads only when asked.
        monitoring->addSeparator();
        m_round = add(monitoring, tr("&Next round"), m_actions.nextRound, QKeySequence(Qt::Key_F5));
    }
    connect(monitoring, &QMenu::aboutToShow, this, &CMainWindow::RefreshMenuStates);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    auto* pages = new QActionGroup(this);
    m_monitorPage = add(view, tr("&Monitor page"), m_actions.showMonitor);
    m_summaryPage = add(view, tr("&Summary page"), m_actions.showSummary);
    for (QAction* a : {m_monitorPage, m_summaryPage}) {
        a->setCheckable(true);
        pages->addAction(a);
    }
    connect(view, &QMenu::aboutToShow, this, &CMainWindow::RefreshMenuStates);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    add(help, tr("&About"), m_actions.about);
}

void CMainWindow::RefreshMenuStates()
{
    const bool running = m_actions.isMonitoring && m_actions.isMonitoring();
    m_start->setEnabled(!running);
    m_stop->setEnabled(running);
    if (m_round)
        m_round->setEnabled(running);
    const int page = m_actions.currentPage ? m_actions.currentPage() : 0;
    m_monitorPage->setChecked(page == 0);
    m_summaryPage->setChecked(page == 1);
}

void CMainWindow::ShowNotice(const std::string& text)
{
    m_notices.push_back(text);
    statusBar()->showMessage(QString::fromStdString(text));
}

void CMainWindow::SetProjectTitle(const std::string& project, bool modified)
{
    const QString name = project.empty() ? tr("(no project file)") : QString::fromStdString(project);
    setWindowTitle(QStringLiteral("Quarn - %1%2").arg(name, modified ? QStringLiteral(" *") : QString()));
}

void CMainWindow::closeEvent(QCloseEvent* event)
{
    // The exit action ends the event loop; the pages are released after it.
    event->accept();
    if (m_actions.exit)
        m_actions.exit();
}

} // namespace app
