target_sources(quillet_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/command_templates.cpp
  ${CMAKE_CURRENT_LIST_DIR}/disk_file_system.cpp
  ${CMAKE_CURRENT_LIST_DIR}/insert_aids.cpp
  ${CMAKE_CURRENT_LIST_DIR}/list_saving.cpp
  ${CMAKE_CURRENT_LIST_DIR}/path_conversions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/path_parts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/relative_path.cpp
  ${CMAKE_CURRENT_LIST_DIR}/search_start.cpp
  ${CMAKE_CURRENT_LIST_DIR}/short_path.cpp
  ${CMAKE_CURRENT_LIST_DIR}/variable_select.cpp)
