target_sources(core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/short_path_test.cpp)
