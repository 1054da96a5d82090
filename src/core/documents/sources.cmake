target_sources(quillet_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/memory_editor_view.cpp)
