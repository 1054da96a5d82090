# The tool that takes the screenshots of the editing aids' dialogs.
if(QUILLET_BUILD_APP)
  find_package(Qt6 REQUIRED COMPONENTS Test)
  add_executable(aids_screenshots ${CMAKE_CURRENT_LIST_DIR}/aids_screenshots.cpp)
  target_include_directories(aids_screenshots PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(aids_screenshots PRIVATE quillet_app Qt6::Test project_options)
endif()
