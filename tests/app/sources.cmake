target_sources(app_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/app_main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/main_window_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/editor_test.cpp)
