# Windows builds read and write files through the wide-character system calls.
if(WIN32)
  set(_file_io ${CMAKE_CURRENT_LIST_DIR}/file_io_windows.cpp)
else()
  set(_file_io ${CMAKE_CURRENT_LIST_DIR}/file_io.cpp)
endif()
target_sources(quillet_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/codepage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/encoding.cpp
  ${CMAKE_CURRENT_LIST_DIR}/checker_lines.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lines.cpp
  ${_file_io})
