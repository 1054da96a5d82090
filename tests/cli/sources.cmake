target_sources(cli_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/check_command_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_reading_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fix_command_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qlt_generate_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qlt_process_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qlt_faults_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qlt_text_faults_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/check_memory_test.cpp)
# The plan reader's and the language server's fuzz targets, replayed over their regression corpora.
target_sources(cli_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/fuzz_corpus_test.cpp
  ${PROJECT_SOURCE_DIR}/fuzz/wizard_fuzz.cpp
  ${PROJECT_SOURCE_DIR}/fuzz/lsp_fuzz.cpp)
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/fuzz_corpus_test.cpp PROPERTIES
  COMPILE_DEFINITIONS FUZZ_CORPUS_DIR="${PROJECT_SOURCE_DIR}/fuzz/corpus")
target_include_directories(cli_tests PRIVATE ${PROJECT_SOURCE_DIR}/fuzz)
# The language server fed byte streams.
target_sources(cli_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/lsp/lsp_server_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lsp/lsp_faults_test.cpp)
# Code actions, rename and highlights.
target_sources(cli_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/lsp/lsp_editing_test.cpp)
# SARIF reports against the schema in data/.
target_sources(cli_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/sarif_report_test.cpp)
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/sarif_report_test.cpp PROPERTIES
  COMPILE_DEFINITIONS SARIF_SCHEMA="${CMAKE_CURRENT_LIST_DIR}/data/sarif-schema-2.1.0.json")
# Plans, files and the output expected of them.
target_compile_definitions(cli_tests PRIVATE CLI_TEST_DATA="${CMAKE_CURRENT_LIST_DIR}/data")
