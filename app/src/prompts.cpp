#include "prompts.h"

#include "controls/modal.h"
#include "controls/msg_box.h"

#include <QFileDialog>

namespace app {

std::optional<std::string> CPrompts::AskOpenPath(const std::string& folder)
{
    return AskPath("Open project", folder, false);
}

std::optional<std::string> CPrompts::AskSavePath(const std::string& suggested)
{
    return AskPath("Save project as", suggested, true);
}

std::optional<std::string> CPrompts::AskPath(const std::string& title, const std::string& start, bool save)
{
    if (!m_fileAnswers.empty()) {
        std::optional<std::string> answer = std::move(m_fileAnswers.front());
        m_fileAnswers.pop_front();
        return answer;
    }
    if (CModalScript::Instance().GetMode() == CModalScript::EMode::Scripted) {
        m_errors.push_back("the file dialog \"" + title
                           + "\" was shown with no answer queued (answer file <path>|cancel)");
        return std::nullopt;
    }
    const QString filter = QStringLiteral("Projects (*.json);;All files (*)");
    const QString path = save
        ? QFileDialog::getSaveFileName(m_parent, QString::fromStdString(title), QString::fromStdString(start), filter)
        : QFileDialog::getOpenFileName(m_parent, QString::fromStdString(title), QString::fromStdString(start), filter);
    if (path.isEmpty())
        return std::nullopt;
    return path.toStdString();
}

bool CPrompts::Confirm(const std::string& text)
{
    return MsgBox(nullptr, text, kAppTitle, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void CPrompts::ShowError(const std::string& text) { MsgBox(nullptr, text, kAppTitle, MB_OK | MB_ICONERROR); }

void CPrompts::ShowInfo(const std::string& text) { MsgBox(nullptr, text, kAppTitle, MB_OK | MB_ICONINFORMATION); }

std::vector<std::string> CPrompts::TakeErrors()
{
    std::vector<std::string> errors;
    errors.swap(m_errors);
    return errors;
}

} // namespace app
