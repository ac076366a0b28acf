#include "host_app.h"

#include "dump.h"
#include "dump_host_data.h"
#include "quiet_calls.h"
#include "scenario_runner.h"
#include "window_tree.h"

#include "controls/density.h"
#include "controls/language.h"
#include "controls/modal.h"
#include "host/vistrano_language.h"
#include "platform/file_io.h"
#include "platform/native_qt.h"
#include "platform/shell.h"
#include "sim/world.h"

#include <QApplication>
#include <QJsonArray>
#include <QLayout>
#include <QScreen>
#include <QToolTip>

namespace app {

namespace {

// Runs events until the condition holds or a bound passes.
void SettleUntil(const std::function<bool()>& done)
{
    for (int i = 0; i < 200 && !done(); ++i)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
}

} // namespace

bool ReadTextFile(const std::string& path, std::string& text, std::string& error)
{
    std::string reason;
    if (!plat::ReadFileBytes(path, plat::kMaxTextFileBytes, text, reason)) {
        error = "cannot read " + path + ": " + reason;
        return false;
    }
    return true;
}

CHostApp::CHostApp(AppOptions options)
    : m_options(std::move(options)), m_hardware(MakeHardware()), m_commands(m_prompts, *m_hardware)
{}

CHostApp::~CHostApp() { Shutdown(); }

bool CHostApp::Start(std::string& error)
{
    // A missing or broken page library is told before any window appears.
    if (!m_loader.Load(m_options.module.empty() ? DefaultModulePath() : m_options.module, error))
        return false;
    if (m_options.density > 0)
        morv::SetDensity(m_options.density);
    if (!m_options.configDir.empty()) {
        if (!plat::CreateDirectories(m_options.configDir)) {
            error = "cannot create the configuration folder " + m_options.configDir;
            return false;
        }
        sim::SetConfigFolder(m_options.configDir + "/");
    }
    // The controls of the page's dialogs speak the host's language.
    morv::SetDefaultLanguageLookup(&GetLanguageString);
    const bool scenario = RunsScenario(m_options);
    if (scenario)
        CModalScript::Instance().SetMode(CModalScript::EMode::Scripted);
    m_hardware->SetStepMode(m_options.step || scenario);

    m_window = std::make_unique<CMainWindow>(MenuActions(), m_options.step || scenario);
    m_window->resize(WindowSize());
    m_prompts.SetParent(m_window.get());
    // Trouble writing the log or mail is told without stopping anyone: a
    // notice in the status bar, delivered on the user interface thread.
    m_hardware->SetTroubleHandler([window = m_window.get()](const std::string& message) {
        QMetaObject::invokeMethod(
            window, [window, message] { window->ShowNotice(message); }, Qt::QueuedConnection);
    });
    QWidget* container = m_window->PageContainer();
    if (!plat::CreateChildInWidget(m_pageArea, container, CRect(0, 0, container->width(), container->height()),
                                   kPageAreaId)) {
        error = "cannot create the page area";
        return false;
    }
    container->layout()->addWidget(plat::NativeWidget(&m_pageArea));
    m_pageArea.ShowWindow(SW_SHOW);
    m_host = std::make_unique<CPageHost>(m_pageArea, m_commands);
    m_pageArea.SetResizeHandler([this](int, int) { m_host->PlacePages(); });
    m_commands.SetChangeHandler([this] { UpdateTitle(); });
    // The page marks the project modified as it goes; the title follows.
    m_host->SetDeliveredHandler([this] { UpdateTitle(); });

    // The project first, so the page's first refresh shows it.
    if (!m_options.project.empty() && !m_commands.Open(m_options.project, error)) {
        error = "cannot open the project " + m_options.project + ": " + error;
        return false;
    }
    UpdateTitle();
    m_window->show();
    const QSize wanted = m_window->size();
    SettleUntil([&] { return m_pageArea.GetClientRect().Width() > 0 && m_window->size() == wanted; });

    if (!m_host->AttachPage("Monitor", [&] { return m_loader.Init(m_host.get(), error); }))
        return false;
    m_summary
        = std::make_unique<CSummaryPage>([this] { return SummaryLines(); }, [this] { return m_host->SwitchLabel(); });
    m_host->AttachPage("Summary",
                       [&]() -> IQuarnLabel* { return m_summary->Create(&m_pageArea) ? m_summary.get() : nullptr; });
    m_host->ShowPage(0);
    m_started = true;
    return true;
}

QSize CHostApp::WindowSize() const
{
    if (m_options.width > 0 && m_options.height > 0)
        return {m_options.width, m_options.height};
    int width = 0;
    int height = 0;
    DefaultWindowSize(morv::GetDensity(), width, height);
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? QSize(width, height).boundedTo(screen->availableGeometry().size()) : QSize(width, height);
}

SMainWindowActions CHostApp::MenuActions()
{
    SMainWindowActions a;
    a.open = [this] { m_host->OpenProject({}); };
    a.save = [this] { m_host->SaveProject(); };
    a.saveAs = [this] { m_host->SaveProjectAs(); };
    a.loadFromCard = [this] { m_host->LoadProjectFromCard(sim::GetProject().currentSender); };
    a.saveToCard = [this] {
        int cancelled = 0;
        if (m_host->SaveProjectToCard(cancelled, &m_pageArea))
            m_prompts.ShowInfo("The project was written to the senders' cards.");
        else if (!cancelled)
            m_prompts.ShowError("The project could not be written to the senders' cards.");
    };
    a.exit = [] { QApplication::quit(); };
    a.startMonitoring = [this] { StartOrStopMonitoring(true); };
    a.stopMonitoring = [this] { StartOrStopMonitoring(false); };
    a.nextRound = [this] {
        std::string error;
        if (!m_hardware->RunRounds(1, error))
            m_prompts.ShowError(error);
    };
    a.showMonitor = [this] { m_host->ShowPage(0); };
    a.showSummary = [this] { m_host->ShowPage(1); };
    a.about = [this] { m_prompts.ShowInfo("Quarn - LED video wall control\nMonitoring page: " + m_loader.Path()); };
    a.isMonitoring = [this] { return m_hardware->IsMonitoring(); };
    a.currentPage = [this] { return m_host ? m_host->CurrentPage() : 0; };
    return a;
}

void CHostApp::StartOrStopMonitoring(bool start)
{
    std::string error;
    const bool ok = start ? m_hardware->StartMonitoring(&m_pageArea, error) : m_hardware->StopMonitoring(error);
    if (!ok)
        m_prompts.ShowError(error);
    m_host->Refresh(-1, 0, 0);
}

void CHostApp::UpdateTitle()
{
    if (m_window)
        m_window->SetProjectTitle(sim::GetProjectPath(), sim::IsProjectModified());
}

std::vector<std::string> CHostApp::SummaryLines() const
{
    const sim::ProjectModel project = sim::GetProject();
    int receivers = 0;
    for (const sim::SenderModel& s : project.senders)
        receivers += sim::ReceiverCount(s);
    const std::string path = sim::GetProjectPath();
    return {"Project: " + (project.name.empty() ? std::string("(unnamed)") : project.name),
            "File: " + (path.empty() ? std::string("(none)") : path),
            "Senders: " + std::to_string(project.senders.size()) + " in " + std::to_string(project.groups.size())
                + " group(s)",
            "Receiving cards: " + std::to_string(receivers),
            std::string("Monitoring: ") + (m_hardware->IsMonitoring() ? "running" : "stopped")};
}

int CHostApp::RunInteractive() { return QApplication::exec(); }

SScenarioEnv CHostApp::ScenarioEnv()
{
    return {*m_host,
            m_pageArea,
            *m_window,
            *m_hardware,
            m_commands,
            m_prompts,
            [this] { return Dump(); },
            m_options.screenshots};
}

bool CHostApp::RunScenario(const std::string& text, std::string& error)
{
    std::vector<SScriptCommand> commands;
    if (!ParseScript(text, commands, error))
        return false;
    CScenarioRunner runner(ScenarioEnv());
    return runner.Run(commands, error) && CScenarioRunner::AllAnswersTaken(error);
}

bool CHostApp::RunMonkey(uint32_t seed, SMonkeyReport& report, std::string& error)
{
    return app::RunMonkey(ScenarioEnv(),
                          {.seed = seed,
                           .steps = m_options.monkey,
                           .folder = m_options.screenshots,
                           .soakSeconds = m_options.soakSeconds,
                           .stateDump = [this] { return StateDump(false); },
                           .recreatePage = [this](std::string& why) { return RecreateMonitorPage(why); }},
                          report, error);
}

bool CHostApp::RecreateMonitorPage(std::string& error)
{
    const bool created = m_host->RecreatePage(0, [&] { return m_loader.Init(m_host.get(), error); });
    // The released page's windows go now, as they would on return to the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (!created && error.empty())
        error = "the monitor page could not be created again";
    return created;
}

QJsonObject CHostApp::Dump() const
{
    QJsonObject dump = StateDump(true);
    dump["calls"] = CallLogJson();
    return dump;
}

QJsonObject CHostApp::StateDump(bool drawing) const
{
    QJsonObject host = PageHostJson(*m_host);
    host["module"] = QString::fromStdString(m_loader.Path());
    QJsonArray windows;
    {
        // Painting the panes for the dump is the host's doing, not the page's.
        CQuietCalls quiet;
        for (CWnd* wnd : ChildWindows(m_pageArea))
            windows.append(WindowJson(*wnd, m_pageArea, drawing));
    }
    QJsonArray notices;
    for (const std::string& n : m_window->Notices())
        notices.append(QString::fromStdString(n));
    const QSize size = m_window->size();
    // Where the page area lies in the main window, for input from outside the program.
    const QPoint origin = plat::NativeWidget(&m_pageArea)->mapTo(m_window.get(), QPoint(0, 0));
    return {{"window",
             QJsonObject{{"width", size.width()},
                         {"height", size.height()},
                         {"title", m_window->windowTitle()},
                         {"pageArea", RectJson(m_pageArea.GetClientRect())},
                         {"pageAreaOrigin", QJsonArray{origin.x(), origin.y()}},
                         {"notices", notices}}},
            {"host", host},
            {"monitoring", m_hardware->IsMonitoring()},
            {"project", ProjectJson()},
            {"settings", SettingsJson()},
            {"monitorData", MonitorDataJson()},
            {"windows", windows},
            {"tooltip", QToolTip::isVisible() ? QJsonValue(QToolTip::text()) : QJsonValue()},
            {"modals", ModalLogJson(CModalScript::Instance().Log())},
            {"missingTexts", MissingTextsJson()}};
}

void CHostApp::Shutdown()
{
    if (m_shutDown)
        return;
    m_shutDown = true;
    // No round may reach the page while it goes.
    m_hardware->Shutdown();
    if (m_host)
        m_host->ReleasePages();
    // Windows destroyed inside handlers go on return to the event loop.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_summary.reset();
    m_pageArea.SetResizeHandler({});
    m_pageArea.DestroyWindow();
    m_window.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_loader.Unload();
}

} // namespace app
