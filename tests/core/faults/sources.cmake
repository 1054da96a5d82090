# Faults, odd input, and the replay of the fuzzing corpora of the core's parsers.
# Disk faults are made with POSIX means (file-size limits, other users); the
# Windows build tests its writer in tests/platform/windows.
if(NOT WIN32)
  target_sources(core_tests PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/write_faults_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/read_faults_test.cpp)
endif()

# The fuzz targets' entry points, replayed over their regression corpora.
target_sources(core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/fuzz_corpus_test.cpp
  ${PROJECT_SOURCE_DIR}/fuzz/settings_fuzz.cpp
  ${PROJECT_SOURCE_DIR}/fuzz/documents_fuzz.cpp
  ${PROJECT_SOURCE_DIR}/fuzz/info_fuzz.cpp)
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/fuzz_corpus_test.cpp PROPERTIES
  COMPILE_DEFINITIONS FUZZ_CORPUS_DIR="${PROJECT_SOURCE_DIR}/fuzz/corpus")
target_include_directories(core_tests PRIVATE ${PROJECT_SOURCE_DIR}/fuzz)
# Encodings a file does not keep to, opened and saved.
target_sources(core_tests PRIVATE ${CMAKE_CURRENT_LIST_DIR}/encoding_faults_test.cpp)
set_property(SOURCE ${CMAKE_CURRENT_LIST_DIR}/encoding_faults_test.cpp APPEND PROPERTY COMPILE_DEFINITIONS
  FAULTS_TEST_DATA="${CMAKE_CURRENT_LIST_DIR}/data")
