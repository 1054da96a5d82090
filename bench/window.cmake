# The window, offscreen: start-up, opening a big file, the check with colours,
# switching tabs, memory. And the tool that takes the README's screenshots.
if(QUILLET_BUILD_APP)
  find_package(Qt6 REQUIRED COMPONENTS Test)
  add_executable(bench_window ${CMAKE_CURRENT_LIST_DIR}/window_bench.cpp)
  target_include_directories(bench_window PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(bench_window PRIVATE quillet_app Qt6::Test project_options)

  add_executable(window_screenshots ${CMAKE_CURRENT_LIST_DIR}/window_screenshots.cpp)
  target_include_directories(window_screenshots PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(window_screenshots PRIVATE quillet_app Qt6::Test project_options)
endif()
