# Test files of core/cmdcheck, and its fuzz target replayed over its corpus.
target_sources(core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/cmd_checker_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cmd_rules_test.cpp)
