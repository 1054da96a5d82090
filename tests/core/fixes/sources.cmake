# Test files of core/fixes, and its fuzz target (its corpus is replayed in faults/).
target_sources(core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/apply_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/builders_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/editor_fixes_test.cpp
  ${PROJECT_SOURCE_DIR}/fuzz/fixes_fuzz.cpp)
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/builders_test.cpp PROPERTIES
  COMPILE_DEFINITIONS FIXES_TEST_DATA="${CMAKE_CURRENT_LIST_DIR}/data")
