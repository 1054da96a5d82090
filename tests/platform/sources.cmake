target_sources(platform_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/platform_main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt_file_system_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt_text_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt_prompter_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/single_instance_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scintilla_editor_view_test.cpp)
# The desktop's tools on Linux (xdg-mime, a terminal, Wine), and the settings
# file's layout and its faults. On Windows the settings live in the registry
# (scripts/windows-app-test.sh looks for them), and Windows' own association
# is tested by tests/platform/windows/qt_shell_windows_test.cpp.
if(NOT WIN32)
  target_sources(platform_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/qt_shell_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/qt_settings_store_test.cpp)
endif()
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/qt_prompter_test.cpp ${CMAKE_CURRENT_LIST_DIR}/qt_text_test.cpp PROPERTIES
  COMPILE_DEFINITIONS PLATFORM_TEST_DATA="${CMAKE_CURRENT_LIST_DIR}/data")
