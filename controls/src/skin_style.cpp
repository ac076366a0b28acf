#include "skin_style.h"

#include "controls/density.h"
#include "controls/lib_set.h"
#include "controls/skin.h"

#include <algorithm>

namespace morv::detail {
namespace {

QString Css(const Color& c) { return QStringLiteral("rgba(%1,%2,%3,%4)").arg(c.r).arg(c.g).arg(c.b).arg(c.a); }

const SSkinColors& Colors() { return CMorvSkin::Instance().GetColors(); }

QString FontCss(int delta = 0)
{
    return QStringLiteral("font-family: \"%1\"; font-size: %2px;")
        .arg(QString::fromStdString(CMorvLibSet::Instance().GetDefaultFontName()))
        .arg(CMorvLibSet::Instance().GetFontSize() + delta);
}

} // namespace

QFont SkinFont(int delta, bool bold)
{
    const Font font = CMorvLibSet::Instance().GetDefaultFont(delta, bold);
    QFont qfont(QString::fromStdString(font.family));
    qfont.setPixelSize(font.pixelSize);
    qfont.setBold(font.bold);
    return qfont;
}

int Px(int designPixels) { return morv::Scale(designPixels); }

QString EditStyleSheet()
{
    const SSkinColors& c = Colors();
    return QStringLiteral(
               "QLineEdit, QAbstractSpinBox { %1 color: %2; background: %3; border: %4px solid %5; border-radius: %6px;"
               " padding: 0px %7px; selection-background-color: %8; selection-color: %9; }"
               "QLineEdit:focus, QAbstractSpinBox:focus { border-color: %8; }"
               "QLineEdit:disabled, QAbstractSpinBox:disabled { color: %10; background: %11; }"
               "QAbstractSpinBox::up-button, QAbstractSpinBox::down-button { width: 0px; border: none; }")
        .arg(FontCss(-1), Css(c.clrText), Css(c.clrButtonFill), QString::number(std::max(1, Px(1))), Css(c.clrBorder),
             QString::number(Px(3)), QString::number(Px(5)), Css(c.clrSelection), Css(c.clrTextOnSelection))
        .arg(Css(c.clrTextDisabled), Css(c.clrDisabledFill));
}

QString MessageBoxStyleSheet()
{
    const SSkinColors& c = Colors();
    return QStringLiteral("QMessageBox { background: %1; }"
                          "QMessageBox QLabel { %2 color: %3; }"
                          "QPushButton { %2 color: %3; background: %4; border: %5px solid %6; border-radius: %7px;"
                          " min-width: %8px; min-height: %9px; padding: 0px %10px; }"
                          "QPushButton:hover { background: %11; border-color: %12; }"
                          "QPushButton:pressed { background: %13; }"
                          "QPushButton:default { background: %12; color: %14; border-color: %12; }")
        .arg(Css(c.clrPanel), FontCss(-1), Css(c.clrText), Css(c.clrButtonFill), QString::number(std::max(1, Px(1))),
             Css(c.clrBorder), QString::number(Px(3)), QString::number(Px(72)), QString::number(Px(26)))
        .arg(QString::number(Px(12)), Css(c.clrHover), Css(c.clrSelection), Css(c.clrButtonDown),
             Css(c.clrTextOnSelection));
}

QString ProgressStyleSheet()
{
    const SSkinColors& c = Colors();
    return QStringLiteral(
               "QDialog { background: %1; border: %2px solid %3; }"
               "QLabel { %4 color: %5; }"
               "QLabel#title { font-weight: bold; }"
               "QProgressBar { background: %6; border: none; border-radius: %7px; max-height: %8px; min-height: %8px; }"
               "QProgressBar::chunk { background: %9; border-radius: %7px; }")
        .arg(Css(c.clrPanel), QString::number(std::max(1, Px(1))), Css(c.clrBorder), FontCss(-1), Css(c.clrText),
             Css(c.clrGrid), QString::number(Px(3)), QString::number(Px(6)), Css(c.clrSelection));
}

QString ScrollBarStyleSheet(bool vertical)
{
    const SSkinColors& c = Colors();
    // A thin track with a rounded thumb; no arrow buttons.
    const QString along = vertical ? QStringLiteral("min-height") : QStringLiteral("min-width");
    return QStringLiteral("QScrollBar { background: %1; border: none; margin: 0px; }"
                          "QScrollBar::handle { background: %2; border-radius: %3px; margin: %4px; %5: %6px; }"
                          "QScrollBar::handle:hover { background: %7; }"
                          "QScrollBar::handle:pressed { background: %8; }"
                          "QScrollBar::add-line, QScrollBar::sub-line { width: 0px; height: 0px; border: none; }"
                          "QScrollBar::add-page, QScrollBar::sub-page { background: none; }")
        .arg(Css(c.clrBackground), Css(c.clrBorder), QString::number(Px(3)), QString::number(Px(2)), along,
             QString::number(Px(24)), Css(c.clrTextDisabled), Css(c.clrSelection));
}

} // namespace morv::detail
