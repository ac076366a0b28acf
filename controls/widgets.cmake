# The control library's widgets: calendar, sender tree with drag and drop,
# mouse-move tracker and cursor manager.
list(APPEND MORVANE_WIDGET_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/src/calendar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/src/calendar_grid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/src/calendar_look.cpp
  ${CMAKE_CURRENT_LIST_DIR}/src/cursor_manager.cpp
  ${CMAKE_CURRENT_LIST_DIR}/src/drag_session.cpp
  ${CMAKE_CURRENT_LIST_DIR}/src/drop_target.cpp
  ${CMAKE_CURRENT_LIST_DIR}/src/mouse_move_manager.cpp
  ${CMAKE_CURRENT_LIST_DIR}/src/sender_tree.cpp
  ${CMAKE_CURRENT_LIST_DIR}/src/sender_tree_paint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/src/sender_tree_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/src/sender_tree_view.cpp
)
