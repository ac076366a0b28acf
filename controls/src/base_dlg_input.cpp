// CMorvBaseDlg: messages, mouse input on controls and bars, painting.
#include "base_dlg_impl.h"

#include "control_painter.h"
#include "controls/button_bar.h"
#include "controls/guards.h"
#include "controls/notify.h"
#include "controls/skin.h"

namespace {

CPoint ClientPoint(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

} // namespace

LRESULT CMorvBaseDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_COMMAND && HandleCommand(wParam, lParam))
        return 0;
    LRESULT result = 0;
    if (HandleMouse(message, wParam, lParam, result))
        return result;
    if (message == WM_SHOWWINDOW && wParam == 0) {
        for (CMorvButtonBar* bar : m_d->bars)
            bar->CancelInput();
        m_d->hover = m_d->pressed = -1;
    }
    return CWnd::WindowProc(message, wParam, lParam);
}

bool CMorvBaseDlg::HandleCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT id = LOWORD(wParam);
    switch (HIWORD(wParam)) {
    case EN_CHANGE: {
        // Keyed by the edit window, so its handler rewriting its own text
        // is not entered again; other edits still report.
        const void* key = lParam ? reinterpret_cast<const void*>(lParam) : static_cast<const void*>(GetDlgItem(id));
        CEditChange guard(key);
        if (guard)
            OnEditChange(id);
        return true;
    }
    case EN_SETFOCUS: OnEditSetFocus(id); return true;
    case EN_KILLFOCUS: OnEditKillFocus(id); return true;
    default: return OnCommand(wParam, lParam);
    }
}

bool CMorvBaseDlg::HandleMouse(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    switch (message) {
    case WM_MOUSEMOVE: {
        const CPoint pt = ClientPoint(lParam);
        bool onBar = false;
        for (CMorvButtonBar* bar : m_d->bars)
            onBar = bar->OnMouseMove(pt) || onBar;
        const int hover = HitTestControl(pt);
        if (hover != m_d->hover) {
            InvalidateControl(m_d->hover);
            m_d->hover = hover;
            InvalidateControl(hover);
            if (hover >= 0 && !onBar) {
                TRACKMOUSEEVENT tme;
                tme.dwFlags = TME_LEAVE;
                TrackMouseEvent(tme);
            }
        }
        return false; // the dialog's own OnMouseMove runs too
    }
    case WM_MOUSELEAVE:
        for (CMorvButtonBar* bar : m_d->bars)
            bar->OnMouseLeave();
        InvalidateControl(m_d->hover);
        m_d->hover = -1;
        return false;
    case WM_MOUSEHOVER:
        for (CMorvButtonBar* bar : m_d->bars)
            bar->OnMouseHover(ClientPoint(lParam));
        return false;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
        // A second click of a double click counts as a press, as on buttons.
        const CPoint pt = ClientPoint(lParam);
        for (CMorvButtonBar* bar : m_d->bars) {
            if (bar->HitTest(pt) < 0)
                continue;
            m_d->captureBar = bar;
            bar->OnLButtonDown(pt);
            return true;
        }
        const int index = HitTestControl(pt);
        if (index < 0)
            return false;
        m_d->pressed = index;
        InvalidateControl(index);
        SetCapture();
        return true;
    }
    case WM_LBUTTONUP: {
        const CPoint pt = ClientPoint(lParam);
        if (CMorvButtonBar* bar = m_d->captureBar) {
            m_d->captureBar = nullptr;
            bar->OnLButtonUp(pt); // a bar destroyed since has cleared captureBar
            return true;
        }
        if (m_d->pressed < 0)
            return false;
        const int index = m_d->pressed;
        m_d->pressed = -1;
        if (GetCapture() == this)
            ReleaseCapture();
        InvalidateControl(index);
        if (HitTestControl(pt) == index)
            ClickControl(index, pt);
        return true;
    }
    case WM_MOUSEWHEEL: {
        CPoint pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ScreenToClient(pt);
        const short delta = GET_WHEEL_DELTA_WPARAM(wParam);
        // A bar's wheel handler may destroy other bars: each is watched.
        std::vector<std::pair<CMorvButtonBar*, LifeWatch>> bars;
        for (CMorvButtonBar* bar : m_d->bars)
            bars.emplace_back(bar, bar->GetLifeWatch());
        for (const auto& [bar, life] : bars) {
            if (!life.expired() && bar->OnMouseWheel(pt, delta)) {
                result = 1;
                return true;
            }
        }
        return false;
    }
    default: return false;
    }
}

void CMorvBaseDlg::ClickControl(int index, const CPoint& pt)
{
    SMorvControl* control = GetControl(index);
    if (!control || !morv::IsClickable(*control))
        return;
    CControlEnable guard(*this, index);
    switch (control->eKind) {
    case EMorvControlKind::CheckBox:
        control->nCheck = control->nCheck ? 0 : 1;
        RelabelFollowers(index);
        InvalidateControl(index);
        OnClickCheck(index);
        break;
    case EMorvControlKind::Button: OnClickButton(index); break;
    case EMorvControlKind::Label: OnClickLabel(index); break;
    case EMorvControlKind::Table:
        if (const int row = morv::TableRowAt(*control, pt); row >= 1)
            OnClickTableRow(index, row);
        break;
    default: break;
    }
}

bool CMorvBaseDlg::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYDOWN && (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE)) {
        if (m_d->modal) {
            if (msg->wParam == VK_RETURN)
                OnOK();
            else
                OnCancel();
            return true;
        }
        // A modeless dialog of its own has nobody above it to give the keys to.
        if (!m_d->childPage)
            return true;
    }
    return CWnd::PreTranslateMessage(msg);
}

void CMorvBaseDlg::SetBackgroundColor(Color color)
{
    m_d->background = color;
    if (IsWindow())
        Invalidate();
}

Color CMorvBaseDlg::GetBackgroundColor() const
{
    return m_d->background.a == 0 ? CMorvSkin::Instance().GetColors().clrPanel : m_d->background;
}

void CMorvBaseDlg::OnPaint(ICanvas& dc, const CRect& /*dirty*/)
{
    const CRect client = GetClientRect();
    dc.FillRect(client, GetBackgroundColor());
    if (m_d->frame)
        dc.DrawRect(client, Pen{CMorvSkin::Instance().GetColors().clrBorder, 1, {}});
    for (const auto& [index, control] : m_d->controls)
        DrawControl(dc, control);
    for (const CMorvButtonBar* bar : m_d->bars)
        bar->Draw(dc);
}

void CMorvBaseDlg::DrawControl(ICanvas& dc, const SMorvControl& control) const
{
    morv::detail::SControlLook look;
    look.bHovered = control.nIndex == m_d->hover;
    look.bPressed = control.nIndex == m_d->pressed;
    morv::detail::DrawControl(dc, control, look);
}

void CMorvBaseDlg::DrawTo(ICanvas& dc) { OnPaint(dc, GetClientRect()); }
