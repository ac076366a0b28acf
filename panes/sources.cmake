# The page's panes: toolbar, target selection, sender panel, scroll bars.
list(APPEND MONITOR_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/card_sender_menu.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pane_paint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scroll_bar_dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scroll_geometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sender_info_tree.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sender_info_tree_commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sender_panel_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sender_select_dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sender_tree_model.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sender_tree_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/target_select_dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/target_select_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/toolbar_commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/toolbar_dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/toolbar_items.cpp
  ${CMAKE_CURRENT_LIST_DIR}/toolbar_states.cpp
  ${CMAKE_CURRENT_LIST_DIR}/toolbar_zoom.cpp
)
