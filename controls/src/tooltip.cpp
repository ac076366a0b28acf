#include "controls/tooltip.h"

#include "controls/density.h"
#include "platform/native_qt.h"
#include "platform/window.h"

#include <QPointer>
#include <QTimer>
#include <QToolTip>
#include <QWidget>

namespace {

// The tip on show, so that one tip hiding does not take another's away.
const CMorvToolTip* g_shown = nullptr;

} // namespace

struct CMorvToolTip::Impl {
    CWnd* owner = nullptr;
    QPointer<QWidget> shownOn; // the widget the tip was shown over
    QTimer timer;
    CPoint at;
    bool shown = false;
};

CMorvToolTip::CMorvToolTip() : m_d(std::make_unique<Impl>())
{
    m_d->timer.setSingleShot(true);
    QObject::connect(&m_d->timer, &QTimer::timeout, [this] { Appear(); });
}

CMorvToolTip::~CMorvToolTip() { Hide(); }

void CMorvToolTip::SetOwner(CWnd* owner)
{
    Hide();
    m_d->owner = owner;
}

void CMorvToolTip::SetInitialDelay(UINT ms) { m_delay = ms; }

void CMorvToolTip::Show(const std::string& text, const CPoint& client)
{
    if (text.empty()) {
        Hide();
        return;
    }
    if (m_d->shown && text == m_text)
        return;
    if (m_d->shown)
        Hide();
    m_text = text;
    m_d->at = client;
    if (m_delay == 0)
        Appear();
    else
        m_d->timer.start(static_cast<int>(m_delay));
}

void CMorvToolTip::Appear()
{
    m_d->timer.stop();
    // The owner's widget is looked up now: the owner may have been given
    // before its window existed.
    QWidget* widget = m_d->owner ? plat::NativeWidget(m_d->owner) : nullptr;
    if (!widget || m_text.empty())
        return;
    // Just below the mouse pointer, as the system's tips stand.
    const QPoint global = widget->mapToGlobal(QPoint(m_d->at.x, m_d->at.y + morv::Scale(20)));
    QToolTip::showText(global, QString::fromStdString(m_text), widget);
    m_d->shownOn = widget;
    m_d->shown = true;
    g_shown = this;
}

void CMorvToolTip::Hide()
{
    m_d->timer.stop();
    const bool wasShown = m_d->shown;
    m_d->shown = false;
    m_text.clear();
    if (wasShown && g_shown == this) {
        QToolTip::hideText();
        g_shown = nullptr;
    }
}

bool CMorvToolTip::IsShown() const { return m_d->shown && m_d->shownOn; }
bool CMorvToolTip::IsPending() const { return m_d->timer.isActive(); }
