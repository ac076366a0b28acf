#include "controls/edit.h"

#include "controls/notify.h"
#include "platform/native_qt.h"
#include "skin_style.h"

#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QValidator>

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// The edit's rules as the toolkit's validator.
class RulesValidator final : public QValidator {
public:
    RulesValidator(const SEditRules& rules, QObject* parent) : QValidator(parent), m_rules(rules) {}

    State validate(QString& input, int& /*pos*/) const override
    {
        switch (morv::ValidateEditText(input.toStdString(), m_rules)) {
        case ETextState::Acceptable: return Acceptable;
        case ETextState::Intermediate: return Intermediate;
        case ETextState::Invalid: break;
        }
        return Invalid;
    }
    void fixup(QString& input) const override
    {
        input = QString::fromStdString(morv::FixupEditText(input.toStdString(), m_rules));
    }

private:
    const SEditRules& m_rules;
};

} // namespace

// Focus changes of the line edit and title changes of the window widget.
struct CMorvEditEx::Impl final : public QObject {
    explicit Impl(CMorvEditEx& owner) : self(owner) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!edit || muted)
            return QObject::eventFilter(watched, event);
        if (watched == edit && event->type() == QEvent::FocusIn) {
            self.Notify(EN_SETFOCUS);
        } else if (watched == edit && event->type() == QEvent::FocusOut) {
            self.Normalize();
            self.Notify(EN_KILLFOCUS);
        } else if (watched == host && event->type() == QEvent::WindowTitleChange) {
            // SetWindowText on the edit's window sets the edit's text.
            const QString title = host->windowTitle();
            if (title != edit->text())
                edit->setText(title);
        }
        return QObject::eventFilter(watched, event);
    }

    CMorvEditEx& self;
    QPointer<QWidget> host; // the window's own widget
    QPointer<QLineEdit> edit;
    bool muted = false; // set while the window goes away: no more notifications
};

CMorvEditEx::CMorvEditEx() : m_d(std::make_unique<Impl>(*this)) {}

CMorvEditEx::~CMorvEditEx()
{
    m_d->muted = true;
    DestroyWindow();
}

bool CMorvEditEx::Create(CWnd* parent, const CRect& rect, UINT id)
{
    if (!CreateEx(parent, rect, id, EWindowKind::Child))
        return false;
    QWidget* host = plat::NativeWidget(this);
    auto* edit = new QLineEdit(host);
    m_d->host = host;
    m_d->edit = edit;
    m_d->muted = false;
    edit->setFont(morv::detail::SkinFont(-1));
    edit->setStyleSheet(morv::detail::EditStyleSheet());
    edit->setGeometry(0, 0, rect.Width(), rect.Height());
    edit->setValidator(new RulesValidator(m_rules, edit));
    host->setFocusProxy(edit);
    edit->installEventFilter(m_d.get());
    host->installEventFilter(m_d.get());
    QObject::connect(edit, &QLineEdit::textChanged, m_d.get(), [this](const QString& text) {
        if (m_d->host)
            m_d->host->setWindowTitle(text);
        Notify(EN_CHANGE);
    });
    edit->show();
    return true;
}

void CMorvEditEx::OnDestroy()
{
    m_d->muted = true;
    if (m_d->edit) {
        m_d->edit->removeEventFilter(m_d.get());
        QObject::disconnect(m_d->edit, nullptr, m_d.get(), nullptr);
    }
    if (m_d->host)
        m_d->host->removeEventFilter(m_d.get());
    CWnd::OnDestroy();
}

void CMorvEditEx::OnSize(UINT /*type*/, int cx, int cy)
{
    if (m_d->edit)
        m_d->edit->setGeometry(0, 0, cx, cy);
}

void CMorvEditEx::Notify(WORD code)
{
    if (!m_d->muted)
        NotifyParent(*this, code);
}

void CMorvEditEx::SetEditMode(EEditMode mode, int decimals)
{
    m_rules.eMode = mode;
    m_rules.nDecimals = mode == EEditMode::Decimal ? decimals : 0;
}

void CMorvEditEx::SetRange(double minValue, double maxValue)
{
    m_rules.dMin = std::min(minValue, maxValue);
    m_rules.dMax = std::max(minValue, maxValue);
}

void CMorvEditEx::SetStepValue(double minValue, double value, double maxValue, double step)
{
    SetRange(minValue, maxValue);
    m_rules.dBase = std::clamp(value, m_rules.dMin, m_rules.dMax);
    m_rules.dStep = step;
}

void CMorvEditEx::SetDecimals(int decimals) { m_rules.nDecimals = decimals; }

void CMorvEditEx::SetText(const std::string& text)
{
    if (m_d->edit)
        m_d->edit->setText(QString::fromStdString(text));
}

std::string CMorvEditEx::GetText() const { return m_d->edit ? m_d->edit->text().toStdString() : std::string(); }

int CMorvEditEx::GetInt() const
{
    const double value = std::trunc(GetDouble());
    return static_cast<int>(std::clamp(value, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
}

double CMorvEditEx::GetDouble() const { return morv::ParseEditNumber(GetText()); }

void CMorvEditEx::SetPassword(bool password)
{
    if (m_d->edit)
        m_d->edit->setEchoMode(password ? QLineEdit::Password : QLineEdit::Normal);
}

void CMorvEditEx::SetLimitText(int maxChars)
{
    if (m_d->edit)
        m_d->edit->setMaxLength(maxChars > 0 ? maxChars : 32767);
}

void CMorvEditEx::SetReadOnly(bool readOnly)
{
    if (m_d->edit)
        m_d->edit->setReadOnly(readOnly);
}

void CMorvEditEx::SetSel(int start, int end)
{
    if (!m_d->edit)
        return;
    const int length = m_d->edit->text().size();
    if (start < 0) {
        m_d->edit->deselect();
        return;
    }
    const int last = (end < 0 || end > length) ? length : end;
    m_d->edit->setSelection(std::min(start, length), last - std::min(start, length));
}

void CMorvEditEx::SetCaretToEnd()
{
    if (m_d->edit)
        m_d->edit->end(false);
}

bool CMorvEditEx::Step(int steps)
{
    const std::string before = GetText();
    const std::string after = morv::StepEditText(before, steps, m_rules);
    if (after == before)
        return false;
    SetText(after);
    SetCaretToEnd();
    return true;
}

void CMorvEditEx::Normalize()
{
    const std::string before = GetText();
    const std::string after = morv::FixupEditText(before, m_rules);
    if (after != before)
        SetText(after);
}

bool CMorvEditEx::PreTranslateMessage(MSG* msg)
{
    if (msg->hwnd == this && m_rules.eMode != EEditMode::Text && !(m_d->edit && m_d->edit->isReadOnly())) {
        if (msg->message == WM_KEYDOWN && (msg->wParam == VK_UP || msg->wParam == VK_DOWN)) {
            Step(msg->wParam == VK_UP ? 1 : -1);
            return true;
        }
        // The wheel steps the edit being typed in; over another edit it
        // goes on to the dialog (which may scroll).
        if (msg->message == WM_MOUSEWHEEL && HasFocus()) {
            const int delta = GET_WHEEL_DELTA_WPARAM(msg->wParam);
            const int notches = delta / WHEEL_DELTA != 0 ? delta / WHEEL_DELTA : (delta > 0 ? 1 : -1);
            if (delta != 0)
                Step(notches);
            return true;
        }
    }
    return CWnd::PreTranslateMessage(msg);
}
