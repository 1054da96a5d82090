# Sources of core/run.
target_sources(quillet_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/launcher.cpp
  ${CMAKE_CURRENT_LIST_DIR}/wine.cpp)
