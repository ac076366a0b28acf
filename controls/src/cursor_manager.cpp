#include "controls/cursor_manager.h"

#include "platform/native_qt.h"

#include <QPointer>
#include <QWidget>

ECursor CursorFromResource(UINT resourceId)
{
    return resourceId == IDC_CURSOR_GRAB ? ECursor::Grabbing : ECursor::Arrow;
}

ECursor ChooseCursor(int opType, bool addTileState, bool grabbing)
{
    if (grabbing)
        return CursorFromResource(IDC_CURSOR_GRAB);
    if (addTileState)
        return ECursor::Cross;
    return opType == CURSOR_OP_MOVE ? ECursor::Grab : ECursor::Arrow;
}

namespace {

// Windows are remembered by their widget (plat::WindowFromWidget finds
// them again), so a window destroyed without a leave notification is simply
// forgotten instead of dangling.
QPointer<QWidget> Remember(CWnd* wnd) { return wnd ? QPointer<QWidget>(plat::NativeWidget(wnd)) : QPointer<QWidget>(); }

} // namespace

struct CCurSorManager::Impl {
    std::function<int()> opTypeSource;
    QPointer<QWidget> hover;
    QPointer<QWidget> grab;
    bool addTile = false;
    ECursor current = ECursor::Arrow;
};

CCurSorManager::CCurSorManager() : m_impl(std::make_unique<Impl>()) {}
CCurSorManager::~CCurSorManager() = default;

void CCurSorManager::SetOpTypeSource(std::function<int()> source) { m_impl->opTypeSource = std::move(source); }

int CCurSorManager::GetOpType() const { return m_impl->opTypeSource ? m_impl->opTypeSource() : CURSOR_OP_NORMAL; }

void CCurSorManager::OnMouseMove(CWnd* pWnd, UINT /*nFlags*/, CPoint /*point*/)
{
    if (!pWnd || !pWnd->IsWindow())
        return;
    m_impl->hover = Remember(pWnd);
    Apply();
}

void CCurSorManager::OnMouseHover(CWnd* pWnd, UINT nFlags, CPoint point) { OnMouseMove(pWnd, nFlags, point); }

void CCurSorManager::OnMouseLeave(CWnd* pWnd)
{
    if (pWnd && plat::WindowFromWidget(m_impl->hover) == pWnd)
        m_impl->hover.clear();
}

void CCurSorManager::AutoSelectCursor() { Apply(); }

void CCurSorManager::BeginGrab(CWnd* pWnd)
{
    if (!pWnd || !pWnd->IsWindow())
        return;
    m_impl->grab = Remember(pWnd);
    m_impl->current = ChooseCursor(GetOpType(), m_impl->addTile, true);
    pWnd->SetCursor(m_impl->current);
}

void CCurSorManager::EndGrab()
{
    CWnd* grabbed = plat::WindowFromWidget(m_impl->grab);
    m_impl->grab.clear();
    if (grabbed) {
        m_impl->current = ChooseCursor(GetOpType(), m_impl->addTile, false);
        grabbed->SetCursor(m_impl->current);
    }
    Apply();
}

bool CCurSorManager::IsGrabbing() const { return plat::WindowFromWidget(m_impl->grab) != nullptr; }

void CCurSorManager::SetAddTileState(bool on)
{
    m_impl->addTile = on;
    Apply();
}

bool CCurSorManager::GetAddTileState() const { return m_impl->addTile; }

bool CCurSorManager::AutoInvalidAddTileState(const MSG* pMsg)
{
    if (!pMsg || !m_impl->addTile)
        return false;
    const UINT m = pMsg->message;
    const bool escape = (m == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE);
    const bool cancelPress = (m == WM_RBUTTONDOWN);
    const bool otherPress = (m == WM_LBUTTONDOWN || m == WM_MBUTTONDOWN);
    if (!escape && !cancelPress && !otherPress)
        return false;
    SetAddTileState(false);
    return escape || cancelPress;
}

CWnd* CCurSorManager::GetHoverWindow() const { return plat::WindowFromWidget(m_impl->hover); }

ECursor CCurSorManager::GetCurrentCursor() const { return m_impl->current; }

void CCurSorManager::Apply()
{
    // While a drag holds the grab cursor, its window keeps it.
    CWnd* grabbed = plat::WindowFromWidget(m_impl->grab);
    CWnd* target = plat::WindowFromWidget(m_impl->hover);
    if (!target || target == grabbed)
        return;
    m_impl->current = ChooseCursor(GetOpType(), m_impl->addTile, false);
    target->SetCursor(m_impl->current);
}

CCurSorManager* GetCursorManager(int nKind)
{
    static CCurSorManager shared;
    return nKind == 0 ? &shared : nullptr;
}
