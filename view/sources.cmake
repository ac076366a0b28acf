# The monitor view.
list(APPEND MONITOR_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/main_view_dlg.cpp
)
