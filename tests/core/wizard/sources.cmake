# Test files of core/wizard.
target_sources(core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/file_operation_generator_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/miscellaneous_generator_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/reset_choices_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/update_flow_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/user_interaction_generator_test.cpp)
# Variables, IF, FOR, attributes, SUBST, network and server pages.
target_sources(core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/variables_page_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/for_attributes_page_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/network_sharing_page_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/network_services_page_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/other_network_page_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/server_page_test.cpp)
