# The module frame: entry, handles, folders, page state and page.
list(APPEND MONITOR_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/app_message.cpp
  ${CMAKE_CURRENT_LIST_DIR}/host_notify.cpp
  ${CMAKE_CURRENT_LIST_DIR}/host_shortcuts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/item_keys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/label_monitor_dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/module_data.cpp
  ${CMAKE_CURRENT_LIST_DIR}/module_data_senders.cpp
  ${CMAKE_CURRENT_LIST_DIR}/module_entry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/module_folders.cpp
  ${CMAKE_CURRENT_LIST_DIR}/module_globals.cpp
  ${CMAKE_CURRENT_LIST_DIR}/module_lifetime.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pane_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/place_pane.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sender_rules.cpp
)
