# Tests of the control library's widgets: calendar, sender tree, drag and
# drop, mouse-move tracker, cursor manager.
monitor_add_test(controls_widget_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/test_calendar.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_calendar_look.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_cursor_manager.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_drop_target.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_mouse_move.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_sender_tree.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_sender_tree_rules.cpp
  LIBS MorvaneControl MonitorPlatform Qt6::Widgets)
# The rules and painters are tested as functions through their private headers.
target_include_directories(controls_widget_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../../controls/src ${CMAKE_CURRENT_LIST_DIR})
