#include "controls/msg_box.h"

#include "controls/language.h"
#include "controls/modal.h"
#include "controls/skin.h"
#include "msg_box_widget.h"
#include "platform/native_qt.h"
#include "skin_style.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLayout>
#include <QPainter>
#include <QPixmap>

#include <algorithm>

namespace morv {
namespace {

UINT ButtonSet(UINT type) { return type & 0x0F; }

} // namespace

std::vector<int> MsgBoxAnswers(UINT type)
{
    switch (ButtonSet(type)) {
    case MB_OKCANCEL: return {IDOK, IDCANCEL};
    case MB_YESNOCANCEL: return {IDYES, IDNO, IDCANCEL};
    case MB_YESNO: return {IDYES, IDNO};
    case MB_RETRYCANCEL: return {IDRETRY, IDCANCEL};
    default: return {IDOK};
    }
}

int MsgBoxDismissAnswer(UINT type)
{
    const std::vector<int> answers = MsgBoxAnswers(type);
    if (std::find(answers.begin(), answers.end(), IDCANCEL) != answers.end())
        return IDCANCEL;
    if (std::find(answers.begin(), answers.end(), IDNO) != answers.end())
        return IDNO;
    return IDOK;
}

namespace detail {
namespace {

QMessageBox::StandardButton ButtonOfAnswer(int answer)
{
    switch (answer) {
    case IDCANCEL: return QMessageBox::Cancel;
    case IDRETRY: return QMessageBox::Retry;
    case IDYES: return QMessageBox::Yes;
    case IDNO: return QMessageBox::No;
    default: return QMessageBox::Ok;
    }
}

// Language keys of the buttons.
const char* ButtonKey(int answer)
{
    switch (answer) {
    case IDCANCEL: return "Cancel";
    case IDRETRY: return "Retry";
    case IDYES: return "Yes";
    case IDNO: return "No";
    default: return "OK";
    }
}

// A round sign in the skin's colours: ? and i in the selection colour,
// ! in amber, x in the warning colour.
QPixmap SkinIcon(UINT type)
{
    const SSkinColors& c = CMorvSkin::Instance().GetColors();
    Color fill = c.clrSelection;
    QString glyph = QStringLiteral("i");
    switch (type & 0xF0) {
    case MB_ICONERROR:
        fill = c.clrWarningFill;
        glyph = QStringLiteral("\u00D7");
        break;
    case MB_ICONQUESTION: glyph = QStringLiteral("?"); break;
    case MB_ICONWARNING:
        fill = RGBColor(245, 166, 35);
        glyph = QStringLiteral("!");
        break;
    default: break;
    }
    const int size = Px(32);
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(plat::ToQColor(fill));
    painter.drawEllipse(QRectF(0.5, 0.5, size - 1.0, size - 1.0));
    QFont font = SkinFont(0, true);
    font.setPixelSize(size * 2 / 3);
    painter.setFont(font);
    painter.setPen(plat::ToQColor(c.clrTextOnSelection));
    painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, glyph);
    return pixmap;
}

} // namespace

int AnswerOfButton(QMessageBox::StandardButton button)
{
    switch (button) {
    case QMessageBox::Ok: return IDOK;
    case QMessageBox::Cancel: return IDCANCEL;
    case QMessageBox::Retry: return IDRETRY;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    default: return 0;
    }
}

std::unique_ptr<QMessageBox> BuildMessageBox(QWidget* parent, const std::string& text, const std::string& caption,
                                             UINT type)
{
    auto box = std::make_unique<QMessageBox>(parent);
    box->setWindowTitle(QString::fromStdString(caption));
    box->setText(QString::fromStdString(text));
    box->setTextFormat(Qt::PlainText);
    switch (type & 0xF0) {
    case MB_ICONERROR: box->setIcon(QMessageBox::Critical); break;
    case MB_ICONQUESTION: box->setIcon(QMessageBox::Question); break;
    case MB_ICONWARNING: box->setIcon(QMessageBox::Warning); break;
    case MB_ICONINFORMATION: box->setIcon(QMessageBox::Information); break;
    default: break;
    }
    // The style's own icons are small at high densities; the skin draws its own.
    if (box->icon() != QMessageBox::NoIcon)
        box->setIconPixmap(SkinIcon(type));
    const std::vector<int> answers = MsgBoxAnswers(type);
    QMessageBox::StandardButtons buttons;
    for (int answer : answers)
        buttons |= ButtonOfAnswer(answer);
    box->setStandardButtons(buttons);
    box->setDefaultButton(ButtonOfAnswer(answers.front()));
    box->setEscapeButton(ButtonOfAnswer(MsgBoxDismissAnswer(type)));
    for (int answer : answers)
        if (QAbstractButton* button = box->button(ButtonOfAnswer(answer)))
            button->setText(QString::fromStdString(LookupText(ButtonKey(answer), "Common")));
    box->setFont(SkinFont(-1));
    box->setStyleSheet(MessageBoxStyleSheet());
    if (QLayout* layout = box->layout()) {
        layout->setContentsMargins(Px(24), Px(20), Px(24), Px(18));
        layout->setSpacing(Px(14));
    }
    return box;
}

} // namespace detail
} // namespace morv

int MsgBox(CWnd* parent, const std::string& text, const std::string& caption, UINT type, UINT /*help*/, int iconStyle)
{
    SModalCall call;
    call.record.eKind = EModalKind::MessageBox;
    call.record.strText = text;
    call.record.strCaption = caption;
    call.record.nType = type;
    call.record.nIconStyle = iconStyle;
    call.nDismissAnswer = morv::MsgBoxDismissAnswer(type);
    call.accepts = [answers = morv::MsgBoxAnswers(type)](int answer) {
        return std::find(answers.begin(), answers.end(), answer) != answers.end();
    };
    call.live = [&]() {
        QWidget* owner = parent ? plat::NativeWidget(parent) : QApplication::activeWindow();
        auto box = morv::detail::BuildMessageBox(owner ? owner->window() : nullptr, text, caption, type);
        box->exec();
        QAbstractButton* clicked = box->clickedButton();
        const int answer = clicked ? morv::detail::AnswerOfButton(box->standardButton(clicked)) : 0;
        return answer != 0 ? answer : morv::MsgBoxDismissAnswer(type);
    };
    return CModalScript::Instance().RunModal(std::move(call));
}
