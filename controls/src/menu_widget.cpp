#include "menu_widget.h"

#include "controls/state_image.h"
#include "menu_style.h"
#include "platform/native_qt.h"
#include "skin_style.h"

#include <QAction>
#include <QMouseEvent>
#include <QPixmap>

namespace morv::detail {
namespace {

// Keeps the right button from choosing items when the caller did not allow it.
class RightButtonFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const auto type = event->type();
        if ((type == QEvent::MouseButtonRelease || type == QEvent::MouseButtonPress)
            && static_cast<QMouseEvent*>(event)->button() == Qt::RightButton)
            return true;
        return QObject::eventFilter(watched, event);
    }
};

QIcon IconOf(const std::string& icon)
{
    const Image* image = StateImage(icon, EImageState::Normal);
    return image ? QIcon(QPixmap::fromImage(plat::NativeImage(*image))) : QIcon();
}

void Fill(QMenu& target, const CCusPopMenu& menu, bool allowRightButton)
{
    target.setStyle(MenuStyle());
    target.setFont(SkinFont(-1));
    target.setProperty(kItemHeightProperty, menu.GetItemHeight());
    if (menu.GetMenuWidth() > 0)
        target.setFixedWidth(menu.GetMenuWidth());
    target.setSeparatorsCollapsible(false);
    if (!allowRightButton)
        target.installEventFilter(new RightButtonFilter(&target));
    for (const auto& item : menu.Items()) {
        if (item.nFlags & MF_SEPARATOR) {
            target.addSeparator();
            continue;
        }
        const QString text = QString::fromStdString(item.strText);
        if (item.subMenu) {
            QMenu* sub = target.addMenu(IconOf(item.strIcon), text);
            Fill(*sub, *item.subMenu, allowRightButton);
            sub->setEnabled(!(item.nFlags & (MF_GRAYED | MF_DISABLED)));
            continue;
        }
        QAction* action = target.addAction(IconOf(item.strIcon), text);
        action->setData(item.nId);
        action->setCheckable((item.nFlags & MF_CHECKED) != 0);
        action->setChecked((item.nFlags & MF_CHECKED) != 0);
        action->setEnabled(!(item.nFlags & (MF_GRAYED | MF_DISABLED)));
        action->setIconVisibleInMenu(true);
    }
}

} // namespace

std::unique_ptr<QMenu> BuildMenu(const CCusPopMenu& menu, QWidget* parent, bool allowRightButton)
{
    auto widget = std::make_unique<QMenu>(parent);
    Fill(*widget, menu, allowRightButton);
    return widget;
}

} // namespace morv::detail
