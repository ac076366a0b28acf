# The alert-mail dialogs and their rules.
list(APPEND MONITOR_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/address_patterns.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mail_account.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mail_form_dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mail_receiver_dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/mail_sender_dlg.cpp
)
