# Sources of core/wizard.
target_sources(quillet_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/document_targets.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_operation_choices.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_operation_generator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/miscellaneous_choices.cpp
  ${CMAKE_CURRENT_LIST_DIR}/miscellaneous_generator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/program_choices.cpp
  ${CMAKE_CURRENT_LIST_DIR}/program_generator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/reset_choices.cpp
  ${CMAKE_CURRENT_LIST_DIR}/enabling_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/reset_lists.cpp
  ${CMAKE_CURRENT_LIST_DIR}/section_dispatch.cpp
  ${CMAKE_CURRENT_LIST_DIR}/section_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/target.cpp
  ${CMAKE_CURRENT_LIST_DIR}/target_lines.cpp
  ${CMAKE_CURRENT_LIST_DIR}/update_flow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/update_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/user_interaction_choices.cpp
  ${CMAKE_CURRENT_LIST_DIR}/user_interaction_generator.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wizard_pages.cpp)
# Variables, IF, FOR, attributes, SUBST, network and server pages.
target_sources(quillet_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/variables_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/for_attributes_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/network_sharing_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/network_services_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/services_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/other_network_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/server_page.cpp)
