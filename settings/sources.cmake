# The settings records' export unit, and the settings dialogs when their
# own list is present.
list(APPEND MONITOR_SOURCES ${CMAKE_CURRENT_LIST_DIR}/settings_export.cpp)
# Built without optimisation so that nothing of the records is inlined
# away before it is emitted.
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/settings_export.cpp PROPERTIES COMPILE_OPTIONS "-O0")
include(${CMAKE_CURRENT_LIST_DIR}/dialogs.cmake OPTIONAL)
