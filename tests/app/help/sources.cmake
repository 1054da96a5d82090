# Window tests of the help area (target_sources(app_tests PRIVATE ...)).
# The help pages come from the source tree; the install test installs the
# build into a temporary prefix and runs what it installed.
target_sources(app_tests PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/help_window_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/context_help_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/about_box_test.cpp
  ${CMAKE_CURRENT_LIST_DIR}/install_test.cpp)
target_compile_definitions(app_tests PRIVATE
  QUILLET_RESOURCES_DIR="${PROJECT_SOURCE_DIR}/resources"
  QUILLET_BUILD_DIR="${PROJECT_BINARY_DIR}"
  QUILLET_CMAKE="${CMAKE_COMMAND}")
add_dependencies(app_tests quillet qlt)
