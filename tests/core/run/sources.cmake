# Test files of core/run.
target_sources(core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/launcher_test.cpp)
