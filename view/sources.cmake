# The monitor view.
list(APPEND MONITOR_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/hover_debounce.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_view_dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sender_pair.cpp
  ${CMAKE_CURRENT_LIST_DIR}/view_hit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/view_hit_items.cpp
  ${CMAKE_CURRENT_LIST_DIR}/view_menu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/view_mouse.cpp
  ${CMAKE_CURRENT_LIST_DIR}/view_tips.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zoom_steps.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zoom_walk.cpp
)
