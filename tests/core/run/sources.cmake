# Test files of core/run.
target_sources(core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/launcher_test.cpp)
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/launcher_test.cpp PROPERTIES
  COMPILE_DEFINITIONS RUN_TEST_DATA="${CMAKE_CURRENT_LIST_DIR}/data")
