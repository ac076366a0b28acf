#include "menu_style.h"

#include "controls/skin.h"
#include "platform/native_qt.h"
#include "skin_style.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

namespace morv::detail {
namespace {

const SSkinColors& Colors() { return CMorvSkin::Instance().GetColors(); }

class SkinMenuStyle final : public QProxyStyle {
public:
    SkinMenuStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        switch (metric) {
        case PM_SmallIconSize: return Px(16);
        case PM_MenuPanelWidth: return std::max(1, Px(1));
        case PM_MenuVMargin: return Px(4);
        case PM_MenuHMargin: return 0;
        case PM_SubMenuOverlap: return 0;
        default: return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override
    {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (type != CT_MenuItem || !item)
            return QProxyStyle::sizeFromContents(type, option, size, widget);
        if (item->menuItemType == QStyleOptionMenuItem::Separator)
            return {Px(20), Px(9)};
        const QVariant asked = widget ? widget->property(kItemHeightProperty) : QVariant();
        const int height = asked.isValid() && asked.toInt() > 0 ? asked.toInt() : Px(26);
        const int text = item->fontMetrics.horizontalAdvance(item->text.section(QLatin1Char('\t'), 0, 0));
        int width = LeftColumn() + text + RightColumn();
        // A menu of a fixed width elides long texts rather than spill over.
        if (widget && widget->maximumWidth() < QWIDGETSIZE_MAX)
            width = std::min(width, widget->maximumWidth() - 2 * pixelMetric(PM_MenuPanelWidth, option, widget));
        return {width, height};
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        switch (element) {
        case PE_PanelMenu: painter->fillRect(option->rect, plat::ToQColor(Colors().clrButtonFill)); return;
        case PE_FrameMenu: {
            const int width = pixelMetric(PM_MenuPanelWidth, option, widget);
            painter->setPen(QPen(plat::ToQColor(Colors().clrBorder), width));
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(QRectF(option->rect).adjusted(width / 2.0, width / 2.0, -width / 2.0, -width / 2.0));
            return;
        }
        default: QProxyStyle::drawPrimitive(element, option, painter, widget);
        }
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (element == CE_MenuEmptyArea) {
            painter->fillRect(option->rect, plat::ToQColor(Colors().clrButtonFill));
            return;
        }
        if (element != CE_MenuItem || !item) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        painter->save();
        DrawItem(*item, *painter);
        painter->restore();
    }

private:
    static int LeftColumn() { return Px(30); }
    static int RightColumn() { return Px(24); }

    static void DrawItem(const QStyleOptionMenuItem& item, QPainter& painter)
    {
        const SSkinColors& c = Colors();
        const QRect r = item.rect;
        painter.fillRect(r, plat::ToQColor(c.clrButtonFill));
        if (item.menuItemType == QStyleOptionMenuItem::Separator) {
            painter.setPen(QPen(plat::ToQColor(c.clrGrid), std::max(1, Px(1))));
            const int y = r.center().y();
            painter.drawLine(r.left() + Px(10), y, r.right() - Px(10), y);
            return;
        }
        const bool enabled = item.state & QStyle::State_Enabled;
        if (enabled && (item.state & QStyle::State_Selected))
            painter.fillRect(r, plat::ToQColor(c.clrHover));
        const QColor text = plat::ToQColor(enabled ? c.clrText : c.clrTextDisabled);
        painter.setRenderHint(QPainter::Antialiasing, true);

        const QRect column(r.left(), r.top(), LeftColumn(), r.height());
        if (item.checkType != QStyleOptionMenuItem::NotCheckable && item.checked) {
            // A check mark in the selection colour, the width of a small icon.
            const int s = Px(12);
            const QPointF o(column.center().x() - s / 2.0, column.center().y() - s / 2.0);
            painter.setPen(QPen(plat::ToQColor(enabled ? c.clrSelection : c.clrTextDisabled),
                                std::max(1.5, Px(2) * 1.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.drawPolyline(QPolygonF(
                {o + QPointF(0.1 * s, 0.55 * s), o + QPointF(0.4 * s, 0.85 * s), o + QPointF(0.95 * s, 0.2 * s)}));
        } else if (!item.icon.isNull()) {
            const int size = Px(16);
            const QPixmap pixmap = item.icon.pixmap(QSize(size, size), enabled ? QIcon::Normal : QIcon::Disabled);
            painter.drawPixmap(QRect(column.center().x() - size / 2, column.center().y() - size / 2, size, size),
                               pixmap);
        }

        painter.setPen(text);
        painter.setFont(item.font);
        const QRect textRect = r.adjusted(LeftColumn(), 0, -RightColumn(), 0);
        const QString label = item.text.section(QLatin1Char('\t'), 0, 0);
        painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextHideMnemonic,
                         item.fontMetrics.elidedText(label, Qt::ElideRight, textRect.width()));

        if (item.menuItemType == QStyleOptionMenuItem::SubMenu) {
            const int h = Px(4);
            const QPointF tip(r.right() - RightColumn() / 2.0, r.center().y() + 0.5);
            painter.setPen(QPen(text, std::max(1.0, Px(3) / 2.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.drawPolyline(
                QPolygonF({tip + QPointF(-h / 2.0, -h), tip + QPointF(h / 2.0, 0), tip + QPointF(-h / 2.0, h)}));
        }
    }
};

} // namespace

QStyle* MenuStyle()
{
    static QPointer<SkinMenuStyle> style;
    if (!style) {
        style = new SkinMenuStyle;
        style->setParent(qApp);
    }
    return style;
}

} // namespace morv::detail
