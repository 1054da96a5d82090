# Sources of the window's wizard area (target_sources(quillet_app PRIVATE ...)).
target_sources(quillet_app PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/browser.cpp
  ${CMAKE_CURRENT_LIST_DIR}/choice_dialogs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/easy_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/field_binding.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_operations_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/for_attributes_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/install_easy_layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/miscellaneous_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/network_commands_pages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/network_services_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/network_sharing_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/programs_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/update_options_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/user_interaction_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/variable_select_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/variables_if_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wizard_widgets.cpp)
