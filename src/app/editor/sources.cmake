target_sources(quillet_app PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/editor_options.cpp
  ${CMAKE_CURRENT_LIST_DIR}/editor_options_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/find_bar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/find_dialogs.cpp)
