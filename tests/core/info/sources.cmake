# Test files of core/info.
target_sources(core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/version_compare_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/update_config_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/update_notice_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/update_session_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/notice_file_test.cpp)
set_property(SOURCE ${CMAKE_CURRENT_LIST_DIR}/version_compare_test.cpp ${CMAKE_CURRENT_LIST_DIR}/update_config_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/update_notice_test.cpp ${CMAKE_CURRENT_LIST_DIR}/help_topics_test.cpp APPEND PROPERTY COMPILE_DEFINITIONS INFO_TEST_DATA="${CMAKE_CURRENT_LIST_DIR}/data")
# Help, About and the support openers; the shipped help and examples are read
# from the source tree, and the examples are checked by the built qlt.
target_sources(core_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/help_topics_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shipped_help_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/about_and_support_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/examples_test.cpp)
target_compile_definitions(core_tests PRIVATE
  QUILLET_RESOURCES_DIR="${PROJECT_SOURCE_DIR}/resources"
  QLT_FOR_EXAMPLES="$<TARGET_FILE:qlt>")
add_dependencies(core_tests qlt)
