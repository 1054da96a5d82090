add_executable(bench_checker ${CMAKE_CURRENT_LIST_DIR}/checker_bench.cpp)
target_link_libraries(bench_checker PRIVATE quillet_core benchmark::benchmark project_options)
