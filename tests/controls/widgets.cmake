# Tests of the control library's widgets: calendar, sender tree, drag and
# drop, mouse-move tracker, cursor manager.
monitor_add_test(controls_widget_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/calendar_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/cursor_manager_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/drop_target_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/mouse_move_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sender_tree_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/controls_test_support.cpp
  LIBS MorvaneControl MonitorPlatform Qt6::Widgets)
# The rules and painters are tested as functions through their private headers.
target_include_directories(controls_widget_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../../controls/src ${CMAKE_CURRENT_LIST_DIR})
