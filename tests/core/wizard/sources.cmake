# Test files of core/wizard.
target_sources(core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/file_operation_generator_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/generator_cases_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/miscellaneous_generator_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/page_generators_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/reset_choices_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/enabling_rules_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/update_flow_test.cpp)
# Section cases (fields in, lines and messages out) and enabling rows.
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/generator_cases_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/enabling_rules_test.cpp PROPERTIES
  COMPILE_DEFINITIONS WIZARD_TEST_DATA="${CMAKE_CURRENT_LIST_DIR}/data")
