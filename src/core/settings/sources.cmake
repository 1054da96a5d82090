target_sources(quillet_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/settings_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/colour_name.cpp
  ${CMAKE_CURRENT_LIST_DIR}/list_files.cpp
  ${CMAKE_CURRENT_LIST_DIR}/layouts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/startup_state.cpp
  ${CMAKE_CURRENT_LIST_DIR}/session.cpp)
