#include "controls/scroll_bar.h"

#include "controls/notify.h"
#include "platform/native_qt.h"
#include "skin_style.h"

#include <QPointer>
#include <QScrollBar>

#include <algorithm>

struct CMorvScrollBar::Impl {
    QPointer<QScrollBar> bar;
    // Range and steps, kept also before the window exists.
    int minPos = 0, maxPos = 100, pos = 0, page = 10, line = 1;
    bool muted = false;
};

namespace {

WORD CodeOf(int action)
{
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub: return SB_LINEUP;
    case QAbstractSlider::SliderSingleStepAdd: return SB_LINEDOWN;
    case QAbstractSlider::SliderPageStepSub: return SB_PAGEUP;
    case QAbstractSlider::SliderPageStepAdd: return SB_PAGEDOWN;
    case QAbstractSlider::SliderToMinimum: return SB_TOP;
    case QAbstractSlider::SliderToMaximum: return SB_BOTTOM;
    default: return SB_THUMBTRACK;
    }
}

QAbstractSlider::SliderAction ActionOf(WORD code)
{
    switch (code) {
    case SB_LINEUP: return QAbstractSlider::SliderSingleStepSub;
    case SB_LINEDOWN: return QAbstractSlider::SliderSingleStepAdd;
    case SB_PAGEUP: return QAbstractSlider::SliderPageStepSub;
    case SB_PAGEDOWN: return QAbstractSlider::SliderPageStepAdd;
    case SB_TOP: return QAbstractSlider::SliderToMinimum;
    case SB_BOTTOM: return QAbstractSlider::SliderToMaximum;
    default: return QAbstractSlider::SliderNoAction;
    }
}

} // namespace

CMorvScrollBar::CMorvScrollBar() : m_d(std::make_unique<Impl>()) {}

CMorvScrollBar::~CMorvScrollBar()
{
    m_d->muted = true;
    DestroyWindow();
}

bool CMorvScrollBar::Create(CWnd* parent, const CRect& rect, UINT id, bool vertical)
{
    if (!CreateEx(parent, rect, id, EWindowKind::Child))
        return false;
    m_vertical = vertical;
    auto* bar = new QScrollBar(vertical ? Qt::Vertical : Qt::Horizontal, plat::NativeWidget(this));
    m_d->bar = bar;
    m_d->muted = false;
    bar->setStyleSheet(morv::detail::ScrollBarStyleSheet(vertical));
    bar->setGeometry(0, 0, rect.Width(), rect.Height());
    bar->setRange(m_d->minPos, m_d->maxPos);
    bar->setPageStep(m_d->page);
    bar->setSingleStep(m_d->line);
    bar->setValue(m_d->pos);
    QObject::connect(bar, &QAbstractSlider::actionTriggered, bar, [this](int action) {
        if (action == QAbstractSlider::SliderNoAction)
            return;
        m_d->pos = m_d->bar->sliderPosition();
        Notify(CodeOf(action), m_d->pos);
    });
    QObject::connect(bar, &QAbstractSlider::sliderReleased, bar, [this] {
        Notify(SB_THUMBPOSITION, m_d->pos);
        Notify(SB_ENDSCROLL, m_d->pos);
    });
    bar->show();
    return true;
}

void CMorvScrollBar::OnDestroy()
{
    m_d->muted = true;
    if (m_d->bar)
        QObject::disconnect(m_d->bar, nullptr, nullptr, nullptr);
    CWnd::OnDestroy();
}

void CMorvScrollBar::OnSize(UINT /*type*/, int cx, int cy)
{
    if (m_d->bar)
        m_d->bar->setGeometry(0, 0, cx, cy);
}

void CMorvScrollBar::Notify(WORD code, int pos)
{
    if (m_d->muted)
        return;
    if (CWnd* parent = GetParent())
        parent->SendMessage(m_vertical ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, static_cast<WORD>(pos)),
                            reinterpret_cast<LPARAM>(this));
}

void CMorvScrollBar::SetScrollRange(int minPos, int maxPos)
{
    m_d->minPos = std::min(minPos, maxPos);
    m_d->maxPos = std::max(minPos, maxPos);
    m_d->pos = std::clamp(m_d->pos, m_d->minPos, m_d->maxPos);
    if (m_d->bar)
        m_d->bar->setRange(m_d->minPos, m_d->maxPos);
}

int CMorvScrollBar::GetScrollMin() const { return m_d->minPos; }
int CMorvScrollBar::GetScrollMax() const { return m_d->maxPos; }

void CMorvScrollBar::SetScrollPos(int pos)
{
    m_d->pos = std::clamp(pos, m_d->minPos, m_d->maxPos);
    if (m_d->bar)
        m_d->bar->setValue(m_d->pos);
}

int CMorvScrollBar::GetScrollPos() const { return m_d->pos; }

void CMorvScrollBar::SetPageStep(int step)
{
    m_d->page = std::max(1, step);
    if (m_d->bar)
        m_d->bar->setPageStep(m_d->page);
}

void CMorvScrollBar::SetLineStep(int step)
{
    m_d->line = std::max(1, step);
    if (m_d->bar)
        m_d->bar->setSingleStep(m_d->line);
}

void CMorvScrollBar::Scroll(WORD code)
{
    const QAbstractSlider::SliderAction action = ActionOf(code);
    if (m_d->bar && action != QAbstractSlider::SliderNoAction)
        m_d->bar->triggerAction(action);
}
