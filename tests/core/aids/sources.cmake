target_sources(core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/command_templates_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/insert_aids_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/path_aids_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/variable_select_test.cpp)
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/path_aids_test.cpp PROPERTIES
  COMPILE_DEFINITIONS AIDS_TEST_DATA="${CMAKE_CURRENT_LIST_DIR}/data")
