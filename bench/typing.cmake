# Typing latency in the window with the check as you type on and off.
if(QUILLET_BUILD_APP)
  find_package(Qt6 REQUIRED COMPONENTS Test)
  add_executable(bench_typing ${CMAKE_CURRENT_LIST_DIR}/typing_bench.cpp)
  target_include_directories(bench_typing PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(bench_typing PRIVATE quillet_app Qt6::Test project_options)
endif()
