target_sources(qlt_lib PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/check_command.cpp
  ${CMAKE_CURRENT_LIST_DIR}/check_options.cpp
  ${CMAKE_CURRENT_LIST_DIR}/check_report.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_check.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sarif_report.cpp)
