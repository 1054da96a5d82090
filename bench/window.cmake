# The window, offscreen: start-up, opening a big file, the check with colours,
# switching tabs, memory.
if(QUILLET_BUILD_APP)
  find_package(Qt6 REQUIRED COMPONENTS Test)
  add_executable(bench_window ${CMAKE_CURRENT_LIST_DIR}/window_bench.cpp)
  target_include_directories(bench_window PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(bench_window PRIVATE quillet_app Qt6::Test project_options)
endif()
