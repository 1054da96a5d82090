target_sources(qlt_lib PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/check_command.cpp)
