#include "controls/drop_target.h"

#include "drop_target_registry.h"
#include "platform/native_qt.h"

#include <QPointer>
#include <QWidget>

#include <algorithm>

namespace {

std::vector<COleDropTarget*>& Targets()
{
    static std::vector<COleDropTarget*> targets;
    return targets;
}

int Depth(const CWnd* wnd)
{
    int depth = 0;
    for (const CWnd* w = wnd ? wnd->GetParent() : nullptr; w; w = w->GetParent())
        ++depth;
    return depth;
}

} // namespace

namespace morv::drag {

const std::vector<COleDropTarget*>& RegisteredTargets() { return Targets(); }

COleDropTarget* TargetAt(const CPoint& screen)
{
    COleDropTarget* best = nullptr;
    int bestDepth = -1;
    for (COleDropTarget* target : Targets()) {
        CWnd* wnd = target->GetWindow();
        if (!wnd || !wnd->IsWindowVisible() || !wnd->GetWindowRect().PtInRect(screen))
            continue;
        const int depth = Depth(wnd);
        if (depth > bestDepth) {
            best = target;
            bestDepth = depth;
        }
    }
    return best;
}

} // namespace morv::drag

bool COleDataObject::IsDataAvailable(CLIPFORMAT format) const { return m_formats.count(format) != 0; }

std::string COleDataObject::GetData(CLIPFORMAT format) const
{
    const auto it = m_formats.find(format);
    return it == m_formats.end() ? std::string() : it->second;
}

void COleDataSource::CacheData(CLIPFORMAT format, std::string bytes) { m_formats[format] = std::move(bytes); }

void COleDataSource::Empty() { m_formats.clear(); }

// A window is remembered by its widget, so a target whose window was
// destroyed without Revoke finds no window instead of a dangling one.
struct COleDropTarget::Impl {
    QPointer<QWidget> widget;
    bool registered = false;
};

COleDropTarget::COleDropTarget() : m_impl(std::make_unique<Impl>()) {}

COleDropTarget::~COleDropTarget() { Revoke(); }

bool COleDropTarget::Register(CWnd* pWnd)
{
    if (m_impl->registered || !pWnd || !pWnd->IsWindow())
        return false;
    m_impl->widget = plat::NativeWidget(pWnd);
    m_impl->registered = true;
    Targets().push_back(this);
    return true;
}

void COleDropTarget::Revoke()
{
    if (!m_impl->registered)
        return;
    morv::drag::ForgetTarget(this);
    auto& targets = Targets();
    targets.erase(std::remove(targets.begin(), targets.end(), this), targets.end());
    m_impl->widget.clear();
    m_impl->registered = false;
}

CWnd* COleDropTarget::GetWindow() const { return m_impl->widget ? plat::WindowFromWidget(m_impl->widget) : nullptr; }

DROPEFFECT COleDropTarget::OnDragEnter(CWnd*, COleDataObject*, DWORD, CPoint) { return DROPEFFECT_NONE; }
DROPEFFECT COleDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint) { return DROPEFFECT_NONE; }
DROPEFFECT COleDropTarget::OnDropEx(CWnd*, COleDataObject*, DROPEFFECT, DROPEFFECT, CPoint)
{
    return DROPEFFECT_NOTHANDLED;
}
int COleDropTarget::OnDrop(CWnd*, COleDataObject*, DROPEFFECT, CPoint) { return 0; }
void COleDropTarget::OnDragLeave(CWnd*) {}

DROPEFFECT COleDropTargetEx::OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    return m_pSink ? m_pSink->OnDragEnter(pWnd, pDataObject, dwKeyState, point)
                   : COleDropTarget::OnDragEnter(pWnd, pDataObject, dwKeyState, point);
}

DROPEFFECT COleDropTargetEx::OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point)
{
    return m_pSink ? m_pSink->OnDragOver(pWnd, pDataObject, dwKeyState, point)
                   : COleDropTarget::OnDragOver(pWnd, pDataObject, dwKeyState, point);
}

DROPEFFECT COleDropTargetEx::OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault,
                                      DROPEFFECT dropList, CPoint point)
{
    return m_pSink ? m_pSink->OnDropEx(pWnd, pDataObject, dropDefault, dropList, point)
                   : COleDropTarget::OnDropEx(pWnd, pDataObject, dropDefault, dropList, point);
}

int COleDropTargetEx::OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point)
{
    return m_pSink ? m_pSink->OnDrop(pWnd, pDataObject, dropEffect, point)
                   : COleDropTarget::OnDrop(pWnd, pDataObject, dropEffect, point);
}

void COleDropTargetEx::OnDragLeave(CWnd* pWnd)
{
    if (m_pSink)
        m_pSink->OnDragLeave(pWnd);
    else
        COleDropTarget::OnDragLeave(pWnd);
}
