# The video input settings and the signal format dialog.
list(APPEND MONITOR_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/signal_format.cpp
  ${CMAKE_CURRENT_LIST_DIR}/signal_format_set_dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/video_input_set_dlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/video_inputs.cpp
)
