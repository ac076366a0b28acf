#include "controls/guards.h"

#include "controls/base_dlg.h"
#include "controls/button_bar.h"
#include "platform/native_qt.h"

#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace {

// Keys of the edit-change guards now running (user interface thread).
std::vector<const void*>& ActiveEditKeys()
{
    static std::vector<const void*> keys;
    return keys;
}

} // namespace

CEditChange::CEditChange(const void* key) : m_key(key), m_nested(IsActive(key))
{
    if (!m_nested)
        ActiveEditKeys().push_back(key);
}

CEditChange::~CEditChange()
{
    if (m_nested)
        return;
    auto& keys = ActiveEditKeys();
    keys.erase(std::find(keys.begin(), keys.end(), m_key));
}

bool CEditChange::IsActive(const void* key)
{
    const auto& keys = ActiveEditKeys();
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

struct CControlEnable::State {
    QPointer<QWidget> widget; // the guarded window's widget
    bool wasEnabled = false;
    CMorvButtonBar* bar = nullptr;
    CMorvBaseDlg* dlg = nullptr;
    LifeWatch life; // of the bar or the dialog
    int index = -1;
};

CControlEnable::CControlEnable(CWnd* wnd) : m_state(std::make_unique<State>())
{
    if (!wnd || !wnd->IsWindow())
        return;
    m_state->widget = plat::NativeWidget(wnd);
    m_state->wasEnabled = wnd->IsWindowEnabled();
    m_nested = !m_state->wasEnabled;
    wnd->EnableWindow(false);
}

CControlEnable::CControlEnable(CMorvButtonBar& bar, int item) : m_state(std::make_unique<State>())
{
    SBarItem* entry = bar.GetItem(item);
    if (!entry)
        return;
    m_nested = entry->nBusy > 0;
    ++entry->nBusy;
    m_state->bar = &bar;
    m_state->life = bar.GetLifeWatch();
    m_state->index = item;
}

CControlEnable::CControlEnable(CMorvBaseDlg& dlg, int controlIndex) : m_state(std::make_unique<State>())
{
    SMorvControl* entry = dlg.GetControl(controlIndex);
    if (!entry)
        return;
    m_nested = entry->nBusy > 0;
    ++entry->nBusy;
    m_state->dlg = &dlg;
    m_state->life = dlg.GetLifeWatch();
    m_state->index = controlIndex;
}

CControlEnable::~CControlEnable()
{
    if (m_state->widget) {
        if (CWnd* wnd = plat::WindowFromWidget(m_state->widget))
            wnd->EnableWindow(m_state->wasEnabled);
    }
    if (m_state->life.expired())
        return;
    if (m_state->bar) {
        if (SBarItem* entry = m_state->bar->GetItem(m_state->index); entry && entry->nBusy > 0)
            --entry->nBusy;
    }
    if (m_state->dlg) {
        if (SMorvControl* entry = m_state->dlg->GetControl(m_state->index); entry && entry->nBusy > 0)
            --entry->nBusy;
    }
}
