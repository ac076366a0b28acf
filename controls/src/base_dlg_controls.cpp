// CMorvBaseDlg: the control table, its edit windows, items and focus.
#include "base_dlg_impl.h"

#include "controls/edit.h"
#include "controls/time_edit.h"
#include "platform/native_qt.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QLineEdit>
#include <QTextEdit>
#include <QWidget>

namespace {

bool IsEditKind(EMorvControlKind kind)
{
    return kind == EMorvControlKind::NumericEdit || kind == EMorvControlKind::Edit
        || kind == EMorvControlKind::TimeEdit;
}

} // namespace

SMorvControl& CMorvBaseDlg::AddControl(int index, EMorvControlKind kind, const CRect& rect, const std::string& text,
                                       UINT dlgItemId)
{
    RemoveControl(index);
    SMorvControl& control = m_d->controls[index];
    control.nIndex = index;
    control.eKind = kind;
    control.rect = rect;
    control.strText = text;
    control.nDlgItemId = dlgItemId;
    if (kind == EMorvControlKind::NumericEdit)
        control.editRules.eMode = EEditMode::Integer;
    if (kind == EMorvControlKind::CheckBox)
        control.nCheckSource = index;
    CreateControlWindow(control);
    if (kind == EMorvControlKind::Edit || kind == EMorvControlKind::NumericEdit)
        SetControlText(index, text);
    InvalidateControl(index);
    return control;
}

SMorvControl& CMorvBaseDlg::AddKeyedControl(int index, EMorvControlKind kind, const std::string& key,
                                            const std::string& section, const CRect& rect, UINT dlgItemId)
{
    SMorvControl& control = AddControl(index, kind, rect, {}, dlgItemId);
    control.strKey = key;
    control.strSection = section;
    ResolveText(control);
    return control;
}

SMorvControl* CMorvBaseDlg::GetControl(int index)
{
    auto it = m_d->controls.find(index);
    return it == m_d->controls.end() ? nullptr : &it->second;
}

const SMorvControl* CMorvBaseDlg::GetControl(int index) const
{
    auto it = m_d->controls.find(index);
    return it == m_d->controls.end() ? nullptr : &it->second;
}

int CMorvBaseDlg::FindControlByItemId(UINT dlgItemId) const
{
    for (const auto& [index, control] : m_d->controls)
        if (control.nDlgItemId == dlgItemId)
            return index;
    return -1;
}

std::vector<int> CMorvBaseDlg::GetControlIndices() const
{
    std::vector<int> indices;
    for (const auto& [index, control] : m_d->controls)
        indices.push_back(index);
    return indices;
}

bool CMorvBaseDlg::RemoveControl(int index)
{
    auto it = m_d->controls.find(index);
    if (it == m_d->controls.end())
        return false;
    InvalidateControl(index);
    if (m_d->hover == index)
        m_d->hover = -1;
    if (m_d->pressed == index)
        m_d->pressed = -1;
    m_d->windows.erase(index);
    m_d->controls.erase(it);
    return true;
}

void CMorvBaseDlg::RemoveAllControls()
{
    for (int index : GetControlIndices())
        RemoveControl(index);
}

void CMorvBaseDlg::CreateControlWindow(SMorvControl& control)
{
    if (!IsWindow() || !IsEditKind(control.eKind))
        return;
    auto& slot = m_d->windows[control.nIndex];
    if (slot && slot->IsWindow())
        return;
    if (control.eKind == EMorvControlKind::TimeEdit) {
        auto edit = slot ? std::unique_ptr<CMorvTimeEdit>(static_cast<CMorvTimeEdit*>(slot.release()))
                         : std::make_unique<CMorvTimeEdit>();
        edit->SetRange(control.nMinSeconds, control.nMaxSeconds);
        edit->Create(this, control.rect, control.nDlgItemId);
        slot = std::move(edit);
    } else {
        auto edit = slot ? std::unique_ptr<CMorvEditEx>(static_cast<CMorvEditEx*>(slot.release()))
                         : std::make_unique<CMorvEditEx>();
        edit->Create(this, control.rect, control.nDlgItemId);
        const SEditRules& rules = control.editRules;
        edit->SetEditMode(rules.eMode, rules.nDecimals);
        edit->SetStepValue(rules.dMin, rules.dBase, rules.dMax, rules.dStep);
        slot = std::move(edit);
    }
    SyncControlWindow(control);
}

void CMorvBaseDlg::SyncControlWindow(const SMorvControl& control)
{
    auto it = m_d->windows.find(control.nIndex);
    if (it == m_d->windows.end() || !it->second->IsWindow())
        return;
    CWnd& wnd = *it->second;
    CRect now = wnd.GetWindowRect();
    ScreenToClient(now);
    if (now != control.rect)
        wnd.MoveWindow(control.rect);
    wnd.EnableWindow(control.bEnabled);
    // By the window's own flag: a window hidden while its dialog is not yet shown
    // must stay hidden when the dialog appears.
    wnd.ShowWindow(control.bVisible ? SW_SHOW : SW_HIDE);
}

CMorvEditEx* CMorvBaseDlg::GetEdit(int index) const
{
    const SMorvControl* control = GetControl(index);
    auto it = m_d->windows.find(index);
    if (!control || control->eKind == EMorvControlKind::TimeEdit || it == m_d->windows.end())
        return nullptr;
    return static_cast<CMorvEditEx*>(it->second.get());
}

CMorvTimeEdit* CMorvBaseDlg::GetTimeEdit(int index) const
{
    const SMorvControl* control = GetControl(index);
    auto it = m_d->windows.find(index);
    if (!control || control->eKind != EMorvControlKind::TimeEdit || it == m_d->windows.end())
        return nullptr;
    return static_cast<CMorvTimeEdit*>(it->second.get());
}

void CMorvBaseDlg::ResolveText(SMorvControl& control)
{
    const SMorvControl* source = control.nCheckSource >= 0 ? GetControl(control.nCheckSource) : nullptr;
    const bool on = !source || source->nCheck != 0;
    control.strText = morv::ResolveControlText(control, on, [this](const std::string& key, const std::string& section) {
        return GetLanguageText(key, section);
    });
}

void CMorvBaseDlg::RelabelFollowers(int checkIndex)
{
    for (auto& [index, control] : m_d->controls)
        if (control.nCheckSource == checkIndex && !control.strKey.empty()) {
            ResolveText(control);
            InvalidateControl(index);
        }
}

void CMorvBaseDlg::UpdateControl(int index)
{
    SMorvControl* control = GetControl(index);
    if (!control)
        return;
    if (!control->strKey.empty())
        ResolveText(*control);
    if (CMorvEditEx* edit = GetEdit(index)) {
        const SEditRules& rules = control->editRules;
        edit->SetEditMode(rules.eMode, rules.nDecimals);
        edit->SetStepValue(rules.dMin, rules.dBase, rules.dMax, rules.dStep);
    }
    if (CMorvTimeEdit* edit = GetTimeEdit(index))
        edit->SetRange(control->nMinSeconds, control->nMaxSeconds);
    SyncControlWindow(*control);
    Invalidate();
}

void CMorvBaseDlg::InvalidateControl(int index)
{
    const SMorvControl* control = GetControl(index);
    if (control && IsWindow() && !control->rect.IsRectEmpty())
        InvalidateRect(control->rect);
}

bool CMorvBaseDlg::SetControlRect(int index, const CRect& rect)
{
    SMorvControl* control = GetControl(index);
    if (!control)
        return false;
    InvalidateControl(index);
    control->rect = rect;
    SyncControlWindow(*control);
    InvalidateControl(index);
    return true;
}

bool CMorvBaseDlg::SetControlText(int index, const std::string& text)
{
    SMorvControl* control = GetControl(index);
    if (!control)
        return false;
    control->strText = text;
    if (CMorvEditEx* edit = GetEdit(index))
        edit->SetText(text);
    InvalidateControl(index);
    return true;
}

std::string CMorvBaseDlg::GetControlText(int index) const
{
    if (const CMorvEditEx* edit = GetEdit(index))
        return edit->GetText();
    if (const CMorvTimeEdit* edit = GetTimeEdit(index))
        return edit->GetText();
    const SMorvControl* control = GetControl(index);
    return control ? control->strText : std::string();
}

bool CMorvBaseDlg::SetControlKey(int index, const std::string& key, const std::string& section,
                                 const std::string& suffix, std::vector<plat::FormatArg> formatArgs)
{
    SMorvControl* control = GetControl(index);
    if (!control)
        return false;
    control->strKey = key;
    control->strSection = section;
    control->strSuffix = suffix;
    control->formatArgs = std::move(formatArgs);
    ResolveText(*control);
    InvalidateControl(index);
    return true;
}

bool CMorvBaseDlg::LinkCheckLabel(int labelIndex, int checkIndex)
{
    SMorvControl* label = GetControl(labelIndex);
    if (!label || !GetControl(checkIndex))
        return false;
    label->nCheckSource = checkIndex;
    ResolveText(*label);
    InvalidateControl(labelIndex);
    return true;
}

bool CMorvBaseDlg::ShowControl(int index, bool visible)
{
    SMorvControl* control = GetControl(index);
    if (!control)
        return false;
    if (control->bVisible == visible)
        return true;
    control->bVisible = visible;
    if (!visible && m_d->hover == index)
        m_d->hover = -1;
    SyncControlWindow(*control);
    InvalidateControl(index);
    return true;
}

bool CMorvBaseDlg::EnableControl(int index, bool enabled)
{
    SMorvControl* control = GetControl(index);
    if (!control)
        return false;
    control->bEnabled = enabled;
    SyncControlWindow(*control);
    InvalidateControl(index);
    return true;
}

bool CMorvBaseDlg::SetCheck(int index, int check)
{
    SMorvControl* control = GetControl(index);
    if (!control)
        return false;
    control->nCheck = check ? 1 : 0;
    RelabelFollowers(index);
    InvalidateControl(index);
    return true;
}

int CMorvBaseDlg::GetCheck(int index) const
{
    const SMorvControl* control = GetControl(index);
    return control ? control->nCheck : 0;
}

bool CMorvBaseDlg::SetControlTextColor(int index, Color color)
{
    SMorvControl* control = GetControl(index);
    if (!control)
        return false;
    control->clrText = color;
    InvalidateControl(index);
    return true;
}

bool CMorvBaseDlg::SetControlFontSize(int index, int pixels)
{
    SMorvControl* control = GetControl(index);
    if (!control)
        return false;
    control->nFontSize = pixels;
    InvalidateControl(index);
    return true;
}

int CMorvBaseDlg::HitTestControl(const CPoint& pt) const
{
    // Later entries are drawn over earlier ones.
    for (auto it = m_d->controls.rbegin(); it != m_d->controls.rend(); ++it)
        if (morv::IsClickable(it->second) && it->second.rect.PtInRect(pt))
            return it->first;
    return -1;
}

bool CMorvBaseDlg::SetTable(int index, SMorvTable table)
{
    SMorvControl* control = GetControl(index);
    if (!control || control->eKind != EMorvControlKind::Table)
        return false;
    control->table = std::move(table);
    InvalidateControl(index);
    return true;
}

SMorvTable* CMorvBaseDlg::GetTable(int index)
{
    SMorvControl* control = GetControl(index);
    return (control && control->eKind == EMorvControlKind::Table) ? &control->table : nullptr;
}

bool CMorvBaseDlg::SetTableRowColors(int index, int row, Color text, Color fill)
{
    SMorvTable* table = GetTable(index);
    if (!table || row < 1 || row > static_cast<int>(table->rows.size()))
        return false;
    STableRow& entry = table->rows[static_cast<std::size_t>(row - 1)];
    entry.clrText = text;
    entry.clrFill = fill;
    if (IsWindow())
        InvalidateRect(morv::TableRowRect(*GetControl(index), row));
    return true;
}

int CMorvBaseDlg::HitTestTableRow(int index, const CPoint& pt) const
{
    const SMorvControl* control = GetControl(index);
    if (!control || control->eKind != EMorvControlKind::Table || !control->bVisible)
        return -1;
    return morv::TableRowAt(*control, pt);
}

CWnd* CMorvBaseDlg::GetDlgItem(UINT id) const
{
    for (const auto& [index, wnd] : m_d->windows)
        if (wnd->IsWindow() && wnd->GetDlgCtrlID() == id)
            return wnd.get();
    QWidget* root = plat::NativeWidget(this);
    if (!root)
        return nullptr;
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        CWnd* wnd = plat::WindowFromWidget(widget);
        if (wnd && wnd != this && plat::NativeWidget(wnd) == widget && wnd->GetDlgCtrlID() == id)
            return wnd;
    }
    return nullptr;
}

bool CMorvBaseDlg::SetFocusTo(UINT id)
{
    if (!IsWindow())
        return false;
    if (CWnd* wnd = GetDlgItem(id))
        wnd->SetFocus();
    else
        SetFocus();
    return true;
}

bool CMorvBaseDlg::IsFocusOnEdit() const
{
    QWidget* root = plat::NativeWidget(this);
    QWidget* focus = QApplication::focusWidget();
    if (!root || !focus || !root->isAncestorOf(focus))
        return false;
    return qobject_cast<QLineEdit*>(focus) || qobject_cast<QAbstractSpinBox*>(focus) || qobject_cast<QTextEdit*>(focus);
}
