target_sources(cli_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/check_command_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qlt_generate_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qlt_process_test.cpp)
# Plans for the variables, FOR, network and server pages.
target_sources(cli_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/qlt_generate_pages_test.cpp)
