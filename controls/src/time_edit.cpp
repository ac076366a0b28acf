#include "controls/time_edit.h"

#include "controls/notify.h"
#include "platform/format.h"
#include "platform/native_qt.h"
#include "skin_style.h"

#include <QEvent>
#include <QPointer>
#include <QTimeEdit>

#include <algorithm>

namespace morv {

std::string FormatDuration(int seconds)
{
    const int s = std::max(0, seconds);
    return plat::Format("%02d:%02d:%02d", s / 3600, (s / 60) % 60, s % 60);
}

} // namespace morv

namespace {

constexpr int kLastSecondOfDay = 86399;

QTime TimeOf(int seconds) { return QTime(0, 0).addSecs(std::clamp(seconds, 0, kLastSecondOfDay)); }

} // namespace

struct CMorvTimeEdit::Impl final : public QObject {
    explicit Impl(CMorvTimeEdit& owner) : self(owner) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!edit || muted)
            return QObject::eventFilter(watched, event);
        if (watched == edit && event->type() == QEvent::FocusIn)
            self.Notify(EN_SETFOCUS);
        else if (watched == edit && event->type() == QEvent::FocusOut)
            self.Notify(EN_KILLFOCUS);
        return QObject::eventFilter(watched, event);
    }

    CMorvTimeEdit& self;
    QPointer<QTimeEdit> edit;
    int seconds = 0; // the value, also before the window exists
    bool muted = false;
};

CMorvTimeEdit::CMorvTimeEdit() : m_d(std::make_unique<Impl>(*this)) {}

CMorvTimeEdit::~CMorvTimeEdit()
{
    m_d->muted = true;
    DestroyWindow();
}

bool CMorvTimeEdit::Create(CWnd* parent, const CRect& rect, UINT id)
{
    if (!CreateEx(parent, rect, id, EWindowKind::Child))
        return false;
    QWidget* host = plat::NativeWidget(this);
    auto* edit = new QTimeEdit(host);
    m_d->edit = edit;
    m_d->muted = false;
    edit->setDisplayFormat(QStringLiteral("HH:mm:ss"));
    edit->setButtonSymbols(QAbstractSpinBox::NoButtons);
    edit->setFont(morv::detail::SkinFont(-1));
    edit->setStyleSheet(morv::detail::EditStyleSheet());
    edit->setGeometry(0, 0, rect.Width(), rect.Height());
    edit->setTimeRange(TimeOf(m_min), TimeOf(m_max));
    m_d->seconds = std::clamp(m_d->seconds, m_min, m_max);
    edit->setTime(TimeOf(m_d->seconds));
    host->setFocusProxy(edit);
    edit->installEventFilter(m_d.get());
    QObject::connect(edit, &QTimeEdit::timeChanged, m_d.get(), [this](QTime time) {
        const int seconds = QTime(0, 0).secsTo(time);
        if (seconds == m_d->seconds)
            return;
        m_d->seconds = seconds;
        Notify(EN_CHANGE);
    });
    edit->show();
    return true;
}

void CMorvTimeEdit::OnDestroy()
{
    m_d->muted = true;
    if (m_d->edit) {
        m_d->edit->removeEventFilter(m_d.get());
        QObject::disconnect(m_d->edit, nullptr, m_d.get(), nullptr);
    }
    CWnd::OnDestroy();
}

void CMorvTimeEdit::OnSize(UINT /*type*/, int cx, int cy)
{
    if (m_d->edit)
        m_d->edit->setGeometry(0, 0, cx, cy);
}

void CMorvTimeEdit::Notify(WORD code)
{
    if (!m_d->muted)
        NotifyParent(*this, code);
}

void CMorvTimeEdit::SetRange(int minSeconds, int maxSeconds)
{
    m_min = std::clamp(std::min(minSeconds, maxSeconds), 0, kLastSecondOfDay);
    m_max = std::clamp(std::max(minSeconds, maxSeconds), 0, kLastSecondOfDay);
    if (m_d->edit)
        m_d->edit->setTimeRange(TimeOf(m_min), TimeOf(m_max));
    SetTotalSeconds(m_d->seconds);
}

void CMorvTimeEdit::SetTotalSeconds(int seconds)
{
    const int held = std::clamp(seconds, m_min, m_max);
    if (m_d->edit) {
        m_d->edit->setTime(TimeOf(held)); // reports the change through timeChanged
    } else {
        m_d->seconds = held;
    }
}

int CMorvTimeEdit::GetTotalSeconds() const { return m_d->seconds; }

std::string CMorvTimeEdit::GetText() const { return morv::FormatDuration(m_d->seconds); }
