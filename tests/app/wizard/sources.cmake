# Window tests of the wizard area (target_sources(app_tests PRIVATE ...)).
target_sources(app_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/easy_in_window_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/easy_layout_look_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/enabling_rules_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/field_binding_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/reset_and_browse_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/update_flow_test.cpp)
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/reset_and_browse_test.cpp PROPERTIES
  COMPILE_DEFINITIONS WIZARD_WINDOW_TEST_DATA="${CMAKE_CURRENT_LIST_DIR}/data")
