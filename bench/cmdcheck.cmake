add_executable(bench_cmdcheck ${CMAKE_CURRENT_LIST_DIR}/cmdcheck_bench.cpp)
target_link_libraries(bench_cmdcheck PRIVATE quillet_core benchmark::benchmark project_options)
