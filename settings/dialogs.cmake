# The alert-mail dialogs and their rules.
list(APPEND MONITOR_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/address_patterns.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mail_account.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mail_form_dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mail_receiver_dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mail_sender_dlg.cpp
)
# The settings frame and page, and their rules.
list(APPEND MONITOR_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/main_setting_dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_setting_frame_dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/recipient_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/setting_edits.cpp
  ${CMAKE_CURRENT_LIST_DIR}/setting_map.cpp
  ${CMAKE_CURRENT_LIST_DIR}/setting_page_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/setting_scroll.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_store.cpp
)
