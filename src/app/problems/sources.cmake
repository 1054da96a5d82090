target_sources(quillet_app PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/problems_dock.cpp)
