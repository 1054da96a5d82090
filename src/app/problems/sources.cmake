target_sources(quillet_app PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/fix_actions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/problems_dock.cpp)
