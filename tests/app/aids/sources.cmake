# Window tests of the aids area (target_sources(app_tests PRIVATE ...)).
target_sources(app_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/aids_window_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/history_dialogs_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/insert_command_dialog_test.cpp)
