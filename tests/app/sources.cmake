target_sources(app_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/app_main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_window_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/editor_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/encoding_window_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_use_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/problem_fixes_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_comforts_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/single_instance_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_files_test.cpp)
# The single-instance test starts the real program as a second launch.
add_dependencies(app_tests quillet)
target_compile_definitions(app_tests PRIVATE QUILLET_EXE="$<TARGET_FILE:quillet>")
# Table rows of the window tests.
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/encoding_window_test.cpp ${CMAKE_CURRENT_LIST_DIR}/help/help_window_test.cpp
  PROPERTIES COMPILE_DEFINITIONS APP_TEST_DATA="${CMAKE_CURRENT_LIST_DIR}/data")
