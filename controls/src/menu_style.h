#pragma once
// The toolkit style the pop-up menus are drawn with: the skin's colours,
// the library's font, metrics scaled by the density factor, and the item
// height a menu asks for (its "morvItemHeight" property).
class QStyle;

namespace morv::detail {

// One style for every menu, owned by the application.
QStyle* MenuStyle();

inline constexpr const char* kItemHeightProperty = "morvItemHeight";

} // namespace morv::detail
