# Sources of the window's aids area (target_sources(quillet_app PRIVATE ...)).
target_sources(quillet_app PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/aid_widgets.cpp
  ${CMAKE_CURRENT_LIST_DIR}/aids_commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/history_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/insert_command_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/insert_filename_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/insert_path_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_targets.cpp)
