target_sources(quillet_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/short_path.cpp)
