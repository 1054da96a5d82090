# Test files of core/documents.
target_sources(core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/document_set_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/document_files_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/document_session_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/document_encoding_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/document_outside_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/encoding_round_trip_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/recent_files_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/launch_request_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/editor_commands_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_search_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/browse_file_dialog_test.cpp)
# The corpus generator lives beside the project; without it (or python3) the
# round trip test skips and says why.
set(QUILLET_CORPUS_GENERATOR "${PROJECT_SOURCE_DIR}/../shared/tools/gen-corpus.py"
    CACHE FILEPATH "The batch-file corpus generator the round trip test runs")
set_property(SOURCE ${CMAKE_CURRENT_LIST_DIR}/encoding_round_trip_test.cpp APPEND PROPERTY COMPILE_DEFINITIONS
  CORPUS_GENERATOR="${QUILLET_CORPUS_GENERATOR}" EXAMPLES_FOLDER="${PROJECT_SOURCE_DIR}/resources/Examples")
set_property(SOURCE ${CMAKE_CURRENT_LIST_DIR}/launch_request_test.cpp ${CMAKE_CURRENT_LIST_DIR}/recent_files_test.cpp ${CMAKE_CURRENT_LIST_DIR}/document_outside_test.cpp ${CMAKE_CURRENT_LIST_DIR}/text_search_test.cpp APPEND PROPERTY COMPILE_DEFINITIONS
  DOCUMENTS_TEST_DATA="${CMAKE_CURRENT_LIST_DIR}/data")
