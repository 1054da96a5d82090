add_executable(bench_lsp ${CMAKE_CURRENT_LIST_DIR}/lsp_bench.cpp)
target_link_libraries(bench_lsp PRIVATE qlt_lib benchmark::benchmark project_options)
