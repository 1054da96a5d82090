# Test files of core/checker, and the checker's fuzz target replayed over its corpus.
target_sources(core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/check_flow_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fuzz_corpus_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/live_check_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rule_cases_test.cpp
  ${PROJECT_SOURCE_DIR}/fuzz/checker_fuzz.cpp)
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/fuzz_corpus_test.cpp PROPERTIES
  COMPILE_DEFINITIONS CHECKER_CORPUS_DIR="${PROJECT_SOURCE_DIR}/fuzz/corpus/checker")
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/rule_cases_test.cpp PROPERTIES
  COMPILE_DEFINITIONS CHECKER_TEST_DATA="${CMAKE_CURRENT_LIST_DIR}/data")
