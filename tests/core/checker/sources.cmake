# Test files of core/checker.
target_sources(core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/check_flow_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rule_cases_test.cpp)
