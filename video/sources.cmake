# The signal format dialog of the video inputs.
list(APPEND MONITOR_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/signal_format.cpp
  ${CMAKE_CURRENT_LIST_DIR}/signal_format_set_dlg.cpp
)
