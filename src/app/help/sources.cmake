# Sources of the window's help area (target_sources(quillet_app PRIVATE ...)).
target_sources(quillet_app PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/help_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/context_help.cpp
  ${CMAKE_CURRENT_LIST_DIR}/about_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/help_commands.cpp)

# The picture of the About box, built into the program.
find_package(Qt6 REQUIRED COMPONENTS Core)
set_source_files_properties(${PROJECT_SOURCE_DIR}/resources/icons/quillet-128.png
  PROPERTIES QT_RESOURCE_ALIAS icons/quillet-128.png)
qt_add_resources(quillet_app quillet_help_images PREFIX /quillet
  FILES ${PROJECT_SOURCE_DIR}/resources/icons/quillet-128.png)

# Shipped content (the help pages and the examples) sits beside the
# executable in the build tree, where the program folder finds it.
add_custom_target(quillet_content
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/resources/help ${CMAKE_CURRENT_BINARY_DIR}/help
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${PROJECT_SOURCE_DIR}/resources/Examples ${CMAKE_CURRENT_BINARY_DIR}/Examples
  COMMENT "Copying the help and the examples beside the program")
add_dependencies(quillet_app quillet_content)
