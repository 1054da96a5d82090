# fuzz_lsp: the language server's message reader and the server behind it.
include(${CMAKE_CURRENT_LIST_DIR}/fuzz_core.cmake)
find_package(nlohmann_json 3 REQUIRED)
set(_lsp ${PROJECT_SOURCE_DIR}/src/cli/lsp)
quillet_fuzz_target(fuzz_lsp lspInput ${CMAKE_CURRENT_LIST_DIR}/lsp_fuzz.cpp
  ${_lsp}/frame_reader.cpp ${_lsp}/text_document.cpp ${_lsp}/batch_scan.cpp ${_lsp}/diagnostics.cpp
  ${_lsp}/navigation.cpp ${_lsp}/assistance.cpp ${_lsp}/server.cpp)
target_include_directories(fuzz_lsp PRIVATE ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(fuzz_lsp PRIVATE nlohmann_json::nlohmann_json)
