# Sources of core/wizard.
# Variables, IF, FOR, attributes, SUBST, network and server pages.
target_sources(quillet_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/warning_texts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/variables_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/for_attributes_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/network_sharing_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/network_services_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/services_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/other_network_page.cpp
  ${CMAKE_CURRENT_LIST_DIR}/server_page.cpp)
