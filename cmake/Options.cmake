# Warnings, sanitizers and ccache for every target of the tree.
option(MONITOR_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(MONITOR_TSAN "Build with ThreadSanitizer" OFF)

if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
  set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "" FORCE)
endif()

find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM)
  set(CMAKE_CXX_COMPILER_LAUNCHER "${CCACHE_PROGRAM}")
endif()

add_compile_options(-Wall -Wextra)

if(MONITOR_SANITIZE AND MONITOR_TSAN)
  message(FATAL_ERROR "MONITOR_SANITIZE and MONITOR_TSAN exclude each other")
endif()
if(MONITOR_SANITIZE)
  # vptr stays off: it reports false type mismatches across shared libraries
  # whose typeinfo is hidden.
  set(_san -fsanitize=address,undefined -fno-sanitize=vptr -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_compile_options(${_san})
  add_link_options(${_san})
endif()
if(MONITOR_TSAN)
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
endif()
option(MONITOR_BUILD_BENCH "Build the benchmarks in bench/" ON)
