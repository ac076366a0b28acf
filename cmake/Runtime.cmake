# One runtime folder, laid out like the installed program: executables,
# shared libraries, the skin's image root, Language/ and the control
# library's product folder all live side by side in ${MONITOR_RUNTIME_DIR}.
set(MONITOR_RUNTIME_DIR "${CMAKE_BINARY_DIR}/bin")
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY "${MONITOR_RUNTIME_DIR}")
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY "${MONITOR_RUNTIME_DIR}")
set(CMAKE_ARCHIVE_OUTPUT_DIRECTORY "${CMAKE_BINARY_DIR}/lib")
# Shared libraries find each other next to the executable, in the build
# tree and after installation alike.
set(CMAKE_BUILD_RPATH "$ORIGIN")
set(CMAKE_INSTALL_RPATH "$ORIGIN")
set(CMAKE_BUILD_WITH_INSTALL_RPATH OFF)

# Installed layout: everything under <prefix>/lib/monitor, the same tree as
# the build's runtime folder.
set(MONITOR_INSTALL_DIR "lib/monitor")

# Copies a folder of data files into the runtime folder (at build time, so
# edits are picked up) and installs it alongside.
function(monitor_runtime_data target src_dir dest_subdir)
  add_custom_target(${target} ALL
    COMMAND ${CMAKE_COMMAND} -E copy_directory "${src_dir}" "${MONITOR_RUNTIME_DIR}/${dest_subdir}"
    COMMENT "Copying ${dest_subdir} into the runtime folder")
  install(DIRECTORY "${src_dir}/" DESTINATION "${MONITOR_INSTALL_DIR}/${dest_subdir}")
endfunction()

function(monitor_install_runtime)
  install(TARGETS ${ARGN}
    RUNTIME DESTINATION "${MONITOR_INSTALL_DIR}"
    LIBRARY DESTINATION "${MONITOR_INSTALL_DIR}")
endfunction()
