# Test files of core/info.
target_sources(core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/version_compare_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/update_config_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/update_notice_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/update_session_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/notice_file_test.cpp)
