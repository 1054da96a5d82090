# Test files of core/cmdcheck, and its fuzz target (its corpus is replayed in faults/).
target_sources(core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/cmd_checker_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/cmd_rules_test.cpp
  ${PROJECT_SOURCE_DIR}/fuzz/cmdcheck_fuzz.cpp)
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/cmd_checker_test.cpp PROPERTIES
  COMPILE_DEFINITIONS "HELP_FOLDER=\"${PROJECT_SOURCE_DIR}/resources/help\";CMDCHECK_TEST_DATA=\"${CMAKE_CURRENT_LIST_DIR}/data\"")
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/cmd_rules_test.cpp PROPERTIES
  COMPILE_DEFINITIONS CMDCHECK_TEST_DATA="${CMAKE_CURRENT_LIST_DIR}/data")
