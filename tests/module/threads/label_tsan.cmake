# Run by ctest after the thread tests were discovered: every one of them
# carries the label tsan.
if(module_thread_tests_TESTS)
  set_tests_properties(${module_thread_tests_TESTS} PROPERTIES LABELS tsan)
endif()
