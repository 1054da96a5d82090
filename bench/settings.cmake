add_executable(bench_list_files ${CMAKE_CURRENT_LIST_DIR}/list_files_bench.cpp)
target_link_libraries(bench_list_files PRIVATE quillet_core benchmark::benchmark project_options)
