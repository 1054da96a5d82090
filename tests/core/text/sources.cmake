target_sources(core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/codepage_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/encoding_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lines_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_io_test.cpp)
set_property(SOURCE ${CMAKE_CURRENT_LIST_DIR}/lines_test.cpp ${CMAKE_CURRENT_LIST_DIR}/encoding_test.cpp ${CMAKE_CURRENT_LIST_DIR}/codepage_test.cpp APPEND PROPERTY COMPILE_DEFINITIONS
  TEXT_TEST_DATA="${CMAKE_CURRENT_LIST_DIR}/data")
