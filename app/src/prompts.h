#pragma once
// The host's questions to the user: file dialogs, confirmations and error
// boxes. Boxes go through the control library's message box, so scripts
// answer them like the page's. File dialogs take answers queued by a
// script first; in scripted mode one with nothing queued is cancelled and
// noted as an error rather than left waiting for nobody.
#include <deque>
#include <optional>
#include <string>
#include <vector>

class QWidget;

namespace app {

inline constexpr const char* kAppTitle = "Quarn";

class CPrompts {
public:
    void SetParent(QWidget* parent) { m_parent = parent; }

    // A path, or nullopt for "cancel", for the next file dialog.
    void QueueFileAnswer(std::optional<std::string> path) { m_fileAnswers.push_back(std::move(path)); }
    std::size_t PendingFileAnswers() const { return m_fileAnswers.size(); }

    std::optional<std::string> AskOpenPath(const std::string& folder);
    std::optional<std::string> AskSavePath(const std::string& suggested);
    bool Confirm(const std::string& text);
    void ShowError(const std::string& text);
    void ShowInfo(const std::string& text);

    // Errors noted since the last call (unanswered file dialogs in scripted mode).
    std::vector<std::string> TakeErrors();

private:
    std::optional<std::string> AskPath(const std::string& title, const std::string& start, bool save);

    QWidget* m_parent = nullptr;
    std::deque<std::optional<std::string>> m_fileAnswers;
    std::vector<std::string> m_errors;
};

} // namespace app
