# Test files of core/checker, and the checker's fuzz target (its corpus is replayed in faults/).
target_sources(core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/check_flow_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/live_check_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rule_cases_test.cpp
  ${PROJECT_SOURCE_DIR}/fuzz/checker_fuzz.cpp)
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/rule_cases_test.cpp PROPERTIES
  COMPILE_DEFINITIONS CHECKER_TEST_DATA="${CMAKE_CURRENT_LIST_DIR}/data")
