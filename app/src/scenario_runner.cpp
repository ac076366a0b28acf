#include "scenario_runner.h"

#include "hardware.h"
#include "json_path.h"
#include "key_names.h"
#include "page_host.h"
#include "project_commands.h"
#include "prompts.h"

#include "controls/modal.h"
#include "platform/file_io.h"
#include "platform/native_qt.h"
#include "platform/shell.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QPixmap>
#include <QWidget>

#include <stdexcept>
#include <utility>

namespace app {

namespace {

// Whether a full refresh (mask -1) reached the host after the first `seen` notifications.
bool FullRefreshSince(const CPageHost& host, long seen)
{
    const long fresh = host.NotificationCount() - seen;
    const auto& kept = host.Notifications();
    const long start = std::max<long>(0, static_cast<long>(kept.size()) - fresh);
    for (long i = start; i < static_cast<long>(kept.size()); ++i) {
        if (kept[static_cast<std::size_t>(i)].mask == -1)
            return true;
    }
    return false;
}

// A relative path that is not found from the working folder is taken from
// the program folder, so a script can name the files that ship with it.
std::string ScriptPath(const std::string& path)
{
    if (path.empty() || path[0] == '/' || plat::FileExists(path))
        return path;
    const std::string shipped = plat::GetMainExecutableFolder() + path;
    return plat::FileExists(shipped) ? shipped : path;
}

} // namespace

bool WriteJsonFile(const std::string& path, const QJsonObject& object, std::string& error)
{
    const auto slash = path.rfind('/');
    if (slash != std::string::npos && slash > 0)
        plat::CreateDirectories(path.substr(0, slash));
    std::string reason;
    if (!plat::ReplaceFile(path, QJsonDocument(object).toJson(QJsonDocument::Indented).toStdString(), reason)) {
        error = "cannot write " + path + ": " + reason;
        return false;
    }
    return true;
}

CScenarioRunner::CScenarioRunner(SScenarioEnv env)
    : m_env(std::move(env)), m_input(m_env.pageArea, m_env.randomInput), m_active(&m_input),
      m_progressPhoto(m_env.window, [this](const QPixmap& picture, const std::string& name, std::string& error) {
          return SavePicture(picture, name, error);
      })
{}

bool CScenarioRunner::Run(const std::vector<SScriptCommand>& commands, std::string& error)
{
    m_modalErrorsSeen = CModalScript::Instance().Errors().size();
    for (const SScriptCommand& command : commands) {
        std::string why;
        if (!Execute(command, why) || !UnansweredModals(why) || !ProgressPhotoTaken(command, why)) {
            error = "line " + std::to_string(command.line) + ": " + command.source + ": " + why;
            return false;
        }
    }
    return true;
}

bool CScenarioRunner::AllAnswersTaken(std::string& error)
{
    const CModalScript& modals = CModalScript::Instance();
    std::string left;
    for (const auto& [kind, name] : {std::pair{EModalKind::Dialog, "dialog"},
                                     {EModalKind::MessageBox, "message box"},
                                     {EModalKind::Menu, "menu"},
                                     {EModalKind::Progress, "progress"}}) {
        if (const std::size_t n = modals.PendingCount(kind))
            left += (left.empty() ? "" : ", ") + std::to_string(n) + " " + name;
    }
    if (left.empty())
        return true;
    error = "the script ended with answers no window took (" + left + ")";
    return false;
}

bool CScenarioRunner::UnansweredModals(std::string& error)
{
    const auto& errors = CModalScript::Instance().Errors();
    std::string found;
    for (std::size_t i = m_modalErrorsSeen; i < errors.size(); ++i)
        found += (found.empty() ? "" : "; ") + errors[i];
    m_modalErrorsSeen = errors.size();
    for (const std::string& e : m_env.prompts.TakeErrors())
        found += (found.empty() ? "" : "; ") + e;
    if (found.empty() || m_env.randomInput)
        return true;
    error = found;
    return false;
}

bool CScenarioRunner::ProgressPhotoTaken(const SScriptCommand& command, std::string& error)
{
    if (!m_progressPhoto.Error().empty()) {
        error = m_progressPhoto.Error();
        return false;
    }
    const bool answer = command.verb >= EVerb::AnswerMsgBox && command.verb <= EVerb::WithinDialog;
    if (answer || !m_progressPhoto.IsArmed())
        return true;
    error = "no progress window reached half-way to be photographed as " + m_progressPhoto.Disarm();
    return false;
}

bool CScenarioRunner::Execute(const SScriptCommand& c, std::string& error)
{
    CModalScript& modals = CModalScript::Instance();
    switch (c.verb) {
    case EVerb::Open:
        if (!m_env.commands.Open(ScriptPath(c.text), error))
            return false;
        m_env.host.Refresh(-1, 0, 1);
        return true;
    case EVerb::Save: return m_env.commands.Save(c.text, error);
    case EVerb::Monitor: {
        const bool ok
            = c.on ? m_env.hardware.StartMonitoring(&m_env.pageArea, error) : m_env.hardware.StopMonitoring(error);
        if (ok)
            m_env.host.Refresh(-1, 0, 0);
        return ok;
    }
    case EVerb::Round: return Rounds(c.numbers[0], error);
    case EVerb::Fault:
    case EVerb::Clear: {
        SFault fault{c.text, c.numbers[0], c.numbers.size() > 1 ? c.numbers[1] : -1,
                     c.numbers.size() > 2 ? c.numbers[2] : -1};
        return m_env.hardware.SetFault(fault, c.verb == EVerb::Fault, error);
    }
    case EVerb::Signal: {
        // "none" and "reset" give no numbers: no signal.
        const SVideoSignal signal
            = c.numbers.size() > 2 ? SVideoSignal{c.numbers[2], c.numbers[3], c.rate} : SVideoSignal{};
        return m_env.hardware.SetVideoSignal(c.numbers[0], c.numbers[1], signal, c.text == "reset", error);
    }
    case EVerb::Click:
    case EVerb::DClick:
    case EVerb::RClick:
    case EVerb::Move:
    case EVerb::Hover:
    case EVerb::Wheel:
    case EVerb::Drag: return Mouse(c, error);
    case EVerb::Key: return m_active->Key(QtKeyFromName(c.text), c.modifiers, error);
    case EVerb::Type: return m_active->Type(c.text, error);
    case EVerb::AnswerMsgBox: modals.AnswerMessageBox(c.numbers[0]); return true;
    case EVerb::AnswerMenu: modals.PickMenu(static_cast<UINT>(c.numbers[0])); return true;
    case EVerb::AnswerDialog:
        if (c.text.empty()) {
            modals.EndDialog(c.numbers[0]);
        } else {
            // Photographed while it is up, then ended with the answer.
            const std::string name = c.text;
            modals.RunOnDialog(
                [this, name](CWnd* dialog) {
                    std::string why;
                    QWidget* widget = plat::NativeWidget(dialog);
                    if (!widget || !Screenshot(*widget->window(), name, why))
                        throw std::runtime_error("screenshot of the dialog failed: " + why);
                },
                c.numbers[0]);
        }
        return true;
    case EVerb::WithinDialog:
        modals.RunOnDialog([this, block = c.block](CWnd* dialog) { RunInDialog(*dialog, block); }, c.numbers[0]);
        return true;
    case EVerb::AnswerProgress:
        if (c.numbers[0] == -1)
            modals.RefuseProgress();
        else if (!c.text.empty())
            m_progressPhoto.Arm(c.text);
        return true;
    case EVerb::AnswerFile:
        m_env.prompts.QueueFileAnswer(c.on ? std::optional<std::string>(c.text) : std::nullopt);
        return true;
    case EVerb::WaitEvents:
        QCoreApplication::sendPostedEvents(nullptr, 0);
        QApplication::processEvents();
        return true;
    case EVerb::Wait: ProcessEventsFor(c.numbers[0]); return true;
    case EVerb::Resize: return Resize(c.numbers[0], c.numbers[1], error);
    case EVerb::Expect: return Expect(c, error);
    case EVerb::Screenshot: return Screenshot(m_shotWindow ? *m_shotWindow : m_env.window, c.text, error);
    case EVerb::Dump: return WriteJsonFile(c.text, m_env.dump(), error);
    }
    error = "not a command";
    return false;
}

bool CScenarioRunner::Mouse(const SScriptCommand& c, std::string& error)
{
    CInputDriver& input = *m_active;
    CPoint pt;
    if (!input.Resolve(c.where, pt, error))
        return false;
    switch (c.verb) {
    case EVerb::Click: return input.Click(pt, CInputDriver::EButton::Left, c.modifiers, error);
    case EVerb::RClick: return input.Click(pt, CInputDriver::EButton::Right, c.modifiers, error);
    case EVerb::DClick: return input.DoubleClick(pt, c.modifiers, error);
    case EVerb::Move: return input.Move(pt, c.modifiers, error);
    case EVerb::Hover: return input.Hover(pt, c.modifiers, error);
    case EVerb::Wheel: return input.Wheel(pt, c.numbers[0], c.modifiers, error);
    case EVerb::Drag: {
        CPoint end;
        if (c.to && !input.Resolve(*c.to, end, error))
            return false;
        const CPoint offset = c.to ? CPoint(end.x - pt.x, end.y - pt.y) : CPoint(c.numbers[0], c.numbers[1]);
        return input.Drag(pt, offset, c.modifiers, error);
    }
    default: return false;
    }
}

void CScenarioRunner::RunInDialog(CWnd& dialog, const std::vector<SScriptCommand>& block)
{
    CInputDriver input(dialog, m_env.randomInput);
    QWidget* widget = plat::NativeWidget(&dialog);
    CInputDriver* const outerInput = std::exchange(m_active, &input);
    QWidget* const outerShot = std::exchange(m_shotWindow, widget ? widget->window() : nullptr);
    std::string error;
    for (const SScriptCommand& command : block) {
        std::string why;
        if (!Execute(command, why)) {
            error = "line " + std::to_string(command.line) + ": " + command.source + ": " + why;
            break;
        }
    }
    m_active = outerInput;
    m_shotWindow = outerShot;
    if (!error.empty())
        throw std::runtime_error(error);
}

bool CScenarioRunner::Rounds(int count, std::string& error)
{
    const bool monitoring = m_env.hardware.IsMonitoring();
    const long seen = m_env.host.NotificationCount();
    if (!m_env.hardware.RunRounds(count, error))
        return false;
    if (!monitoring)
        return true; // only the simulation clock moved; the page has nothing to take
    // The page takes new data on its own timer and asks for a full refresh.
    QElapsedTimer clock;
    clock.start();
    while (!FullRefreshSince(m_env.host, seen)) {
        if (clock.elapsed() > kRoundRefreshTimeoutMs) {
            error = "the page did not refresh within " + std::to_string(kRoundRefreshTimeoutMs / 1000)
                + " s of the round's data";
            return false;
        }
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

bool CScenarioRunner::Expect(const SScriptCommand& c, std::string& error)
{
    // With a time given, events run between looks until the value comes.
    const int limitMs = c.numbers.empty() ? 0 : c.numbers[0];
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        QJsonValue value;
        if (!EvalJsonPath(m_env.dump(), c.text, value, error))
            return false;
        if (JsonEquals(value, c.expected))
            return true;
        if (clock.elapsed() >= limitMs) {
            error = "expected " + ExpectText(c.expected) + ", found " + JsonText(value)
                + (limitMs ? " after " + std::to_string(limitMs) + " ms" : std::string());
            return false;
        }
        ProcessEventsFor(kExpectPollMs);
    }
}

bool CScenarioRunner::Screenshot(QWidget& widget, const std::string& name, std::string& error)
{
    QApplication::processEvents();
    QPixmap shot = widget.grab();
    // Tooltips are windows of their own: drawn over the picture where they stand.
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->windowType() == Qt::ToolTip && top != &widget)
            DrawWindowOver(shot, widget, *top);
    return SavePicture(shot, name, error);
}

bool CScenarioRunner::SavePicture(const QPixmap& picture, const std::string& name, std::string& error)
{
    if (!plat::CreateDirectories(m_env.screenshotFolder)) {
        error = "cannot create the screenshot folder " + m_env.screenshotFolder;
        return false;
    }
    const std::string path = m_env.screenshotFolder + "/" + name + ".png";
    if (!picture.save(QString::fromStdString(path), "PNG")) {
        error = "cannot write " + path;
        return false;
    }
    m_screenshots.push_back(path);
    return true;
}

bool CScenarioRunner::Resize(int width, int height, std::string& error)
{
    // A size below the window's minimum (its menu bar's) gives the minimum, as for a user.
    const QSize wanted
        = QSize(width, height).expandedTo(m_env.window.minimumSize()).boundedTo(m_env.window.maximumSize());
    m_env.window.resize(wanted);
    QElapsedTimer clock;
    clock.start();
    while (m_env.window.size() != wanted && clock.elapsed() < 2000)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    QApplication::processEvents();
    if (m_env.window.size() != wanted) {
        error = "the window did not take the size " + std::to_string(wanted.width()) + "x"
            + std::to_string(wanted.height());
        return false;
    }
    return true;
}

} // namespace app
