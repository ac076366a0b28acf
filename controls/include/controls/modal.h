#pragma once
// CModalScript: the one place through which every modal loop of the
// control library passes (dialogs, message boxes, pop-up menus, the
// progress window) and which other modal loops (drag loops) join through
// RunModal.
//
// Live mode (the default) runs the real toolkit loop. Answers queued in
// advance are used first, in either mode: "the next message box answers 6",
// "the next menu picks 1202", "run this on the next dialog, then end it
// with 1". In scripted mode a modal with nothing queued is not run at all:
// it answers its dismiss answer (Cancel, No, OK for a box with one button,
// 0 for a menu) and the script notes an error, so a test never hangs on a
// window nobody will close. A scripted action that throws ends its modal
// with the dismiss answer and notes the error; a test assertion that
// returns from an action ends the modal normally.
//
// Everything shown is logged: kind, texts, type, menu items, the answer.
#include "platform/wintypes.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <typeinfo>
#include <vector>

class CWnd;

enum class EModalKind { Dialog, MessageBox, Menu, Progress, Drag };

struct SMenuItemRecord {
    UINT nId = 0; // 0 for separators and sub-menu headers
    std::string strText;
    bool bChecked = false;
    bool bEnabled = true;
    bool bSeparator = false;
    bool bSubMenu = false; // the header of a sub-menu; its items follow one level deeper
    int nDepth = 0;        // 0 at the top level
};

struct SModalRecord {
    EModalKind eKind = EModalKind::Dialog;
    std::string strText;    // box text, dialog title, progress title
    std::string strCaption; // box caption
    UINT nType = 0;         // box type, menu flags
    int nIconStyle = 0;     // box icon style
    UINT nTemplateId = 0;   // dialog template id
    std::vector<SMenuItemRecord> menuItems;
    int nResult = 0;        // the answer the modal gave
    bool bScripted = false; // answered by a queued step
    std::string strError;   // why the answer is not what was asked, when it is not
};

// One queued answer: an optional action run on the modal's window while it
// is shown, then the answer (unless the action ended the modal itself).
struct SModalStep {
    int nAnswer = 0;
    std::function<void(CWnd*)> action;
};

// What a modal loop hands to RunModal.
struct SModalCall {
    SModalRecord record;                         // kind and what is shown
    std::function<int()> live;                   // the real loop; answers its result
    std::function<bool(int)> accepts;            // whether an answer is one the modal can give (null: any)
    int nDismissAnswer = 0;                      // answer when dismissed or when a step fails
    bool bBlocking = true;                       // false: runs live even in scripted mode (progress)
    CWnd* window = nullptr;                      // handed to a step's action
    std::function<std::optional<int>()> endedBy; // result the window gave itself during the action
};

class CModalScript {
public:
    enum class EMode { Live, Scripted };

    static CModalScript& Instance();

    void SetMode(EMode mode) { m_mode = mode; }
    EMode GetMode() const { return m_mode; }
    // Back to live mode with no queued steps, an empty log and no errors.
    void Reset();

    // Queue answers.
    void Queue(EModalKind kind, SModalStep step);
    void AnswerMessageBox(int answer, int times = 1);
    void PickMenu(UINT id);     // 0 dismisses the menu
    void EndDialog(int result); // the next dialog ends right after its set-up
    void RunOnDialog(std::function<void(CWnd*)> action, int endWith);
    template <class TDialog>
    void RunOnDialog(std::function<void(TDialog&)> action, int endWith);
    void RefuseProgress(); // the next progress begin answers -1
    std::size_t PendingCount(EModalKind kind) const;

    // What was shown, in order of appearance.
    const std::vector<SModalRecord>& Log() const { return m_log; }
    std::vector<SModalRecord> LogOf(EModalKind kind) const;
    const SModalRecord* Last(EModalKind kind) const;
    void ClearLog() { m_log.clear(); }
    // Errors noted so far (unscripted modals in scripted mode, answers a
    // modal cannot give, failing actions).
    const std::vector<std::string>& Errors() const { return m_errors; }
    void ClearErrors() { m_errors.clear(); }

    // The passage every modal loop takes; answers the modal's result.
    int RunModal(SModalCall call);

private:
    CModalScript() = default;
    std::deque<SModalStep>& QueueOf(EModalKind kind);
    const std::deque<SModalStep>& QueueOf(EModalKind kind) const;
    void NoteError(std::size_t logIndex, const std::string& error);

    EMode m_mode = EMode::Live;
    std::deque<SModalStep> m_queues[5];
    std::vector<SModalRecord> m_log;
    std::vector<std::string> m_errors;
};

template <class TDialog>
void CModalScript::RunOnDialog(std::function<void(TDialog&)> action, int endWith)
{
    RunOnDialog(
        [action = std::move(action)](CWnd* wnd) {
            if (auto* dlg = dynamic_cast<TDialog*>(wnd))
                action(*dlg);
            else
                throw std::bad_cast();
        },
        endWith);
}

// Readable names of the kinds, for messages.
const char* ModalKindName(EModalKind kind);
