# The monitoring log query.
list(APPEND MONITOR_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/log_dates.cpp
  ${CMAKE_CURRENT_LIST_DIR}/query_log_dlg.cpp
)
