# Windows builds read files to check; others map large ones.
if(WIN32)
  set(_file_map ${CMAKE_CURRENT_LIST_DIR}/file_map_windows.cpp)
else()
  set(_file_map ${CMAKE_CURRENT_LIST_DIR}/file_map_posix.cpp)
endif()
target_sources(qlt_lib PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/check_command.cpp
  ${CMAKE_CURRENT_LIST_DIR}/check_options.cpp
  ${CMAKE_CURRENT_LIST_DIR}/check_report.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_bytes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_check.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_lines.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fix_files.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sarif_report.cpp
  ${CMAKE_CURRENT_LIST_DIR}/unified_diff.cpp
  ${_file_map})
