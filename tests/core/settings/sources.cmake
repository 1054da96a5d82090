target_sources(core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/settings_table_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/colour_name_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/list_files_test.cpp)
target_sources(core_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/startup_state_test.cpp ${CMAKE_CURRENT_LIST_DIR}/session_test.cpp)
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/startup_state_test.cpp ${CMAKE_CURRENT_LIST_DIR}/session_test.cpp PROPERTIES
  COMPILE_DEFINITIONS SETTINGS_TEST_DATA="${CMAKE_CURRENT_LIST_DIR}/data")
