#pragma once
// The pop-up menu widget of a CCusPopMenu, built when the menu opens (and
// by the gallery). Each command action carries its id as data.
#include "controls/pop_menu.h"

#include <QMenu>

#include <memory>

namespace morv::detail {

// allowRightButton: whether the right mouse button may choose an item.
std::unique_ptr<QMenu> BuildMenu(const CCusPopMenu& menu, QWidget* parent, bool allowRightButton);

} // namespace morv::detail
