target_sources(qlt_lib PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/generate_command.cpp)
