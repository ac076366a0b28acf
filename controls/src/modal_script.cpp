#include "controls/modal.h"

#include "platform/format.h"

#include <exception>

namespace {

constexpr std::size_t KindSlot(EModalKind kind) { return static_cast<std::size_t>(kind); }

} // namespace

const char* ModalKindName(EModalKind kind)
{
    switch (kind) {
    case EModalKind::Dialog: return "dialog";
    case EModalKind::MessageBox: return "message box";
    case EModalKind::Menu: return "menu";
    case EModalKind::Progress: return "progress";
    case EModalKind::Drag: return "drag";
    }
    return "modal";
}

CModalScript& CModalScript::Instance()
{
    static CModalScript script;
    return script;
}

void CModalScript::Reset()
{
    m_mode = EMode::Live;
    for (auto& queue : m_queues)
        queue.clear();
    m_log.clear();
    m_errors.clear();
}

std::deque<SModalStep>& CModalScript::QueueOf(EModalKind kind) { return m_queues[KindSlot(kind)]; }
const std::deque<SModalStep>& CModalScript::QueueOf(EModalKind kind) const { return m_queues[KindSlot(kind)]; }

void CModalScript::Queue(EModalKind kind, SModalStep step) { QueueOf(kind).push_back(std::move(step)); }

void CModalScript::AnswerMessageBox(int answer, int times)
{
    for (int i = 0; i < times; ++i)
        Queue(EModalKind::MessageBox, SModalStep{answer, {}});
}

void CModalScript::PickMenu(UINT id) { Queue(EModalKind::Menu, SModalStep{static_cast<int>(id), {}}); }

void CModalScript::EndDialog(int result) { Queue(EModalKind::Dialog, SModalStep{result, {}}); }

void CModalScript::RunOnDialog(std::function<void(CWnd*)> action, int endWith)
{
    Queue(EModalKind::Dialog, SModalStep{endWith, std::move(action)});
}

void CModalScript::RefuseProgress() { Queue(EModalKind::Progress, SModalStep{-1, {}}); }

std::size_t CModalScript::PendingCount(EModalKind kind) const { return QueueOf(kind).size(); }

std::vector<SModalRecord> CModalScript::LogOf(EModalKind kind) const
{
    std::vector<SModalRecord> out;
    for (const auto& record : m_log)
        if (record.eKind == kind)
            out.push_back(record);
    return out;
}

const SModalRecord* CModalScript::Last(EModalKind kind) const
{
    for (auto it = m_log.rbegin(); it != m_log.rend(); ++it)
        if (it->eKind == kind)
            return &*it;
    return nullptr;
}

void CModalScript::NoteError(std::size_t logIndex, const std::string& error)
{
    SModalRecord& record = m_log[logIndex];
    if (!record.strError.empty())
        record.strError += "; ";
    record.strError += error;
    m_errors.push_back(plat::Format("%s \"%s\": %s", ModalKindName(record.eKind), record.strText, error));
}

int CModalScript::RunModal(SModalCall call)
{
    // The record goes into the log before anything runs, so modals opened
    // by a step's action follow it in the log, as they appeared.
    const std::size_t index = m_log.size();
    m_log.push_back(call.record);
    int result = call.nDismissAnswer;

    auto& queue = QueueOf(call.record.eKind);
    if (!queue.empty()) {
        SModalStep step = std::move(queue.front());
        queue.pop_front();
        m_log[index].bScripted = true;
        result = step.nAnswer;
        bool failed = false;
        if (step.action) {
            try {
                step.action(call.window);
            } catch (const std::exception& e) {
                failed = true;
                NoteError(index, std::string("the scripted action threw: ") + e.what());
            } catch (...) {
                failed = true;
                NoteError(index, "the scripted action threw");
            }
        }
        if (failed) {
            result = call.nDismissAnswer;
        } else if (call.endedBy) {
            if (const auto own = call.endedBy())
                result = *own;
        }
        if (!failed && call.accepts && !call.accepts(result)) {
            NoteError(index, plat::Format("answer %d is not one it can give", result));
            result = call.nDismissAnswer;
        }
    } else if (m_mode == EMode::Scripted && call.bBlocking) {
        NoteError(index, "shown with no scripted answer");
    } else if (call.live) {
        result = call.live();
    }
    m_log[index].nResult = result;
    return result;
}
