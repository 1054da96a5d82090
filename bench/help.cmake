# The tool that takes the help's screenshots (help window, About box, the
# tutorial page); run it under a virtual display.
if(QUILLET_BUILD_APP)
  find_package(Qt6 REQUIRED COMPONENTS Widgets Test)
  add_executable(help_screenshots ${CMAKE_CURRENT_LIST_DIR}/help_screenshots.cpp)
  target_include_directories(help_screenshots PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_link_libraries(help_screenshots PRIVATE quillet_app Qt6::Test project_options)
  target_compile_definitions(help_screenshots PRIVATE QUILLET_RESOURCES_DIR="${PROJECT_SOURCE_DIR}/resources")
endif()
