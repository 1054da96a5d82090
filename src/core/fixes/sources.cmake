# Sources of core/fixes: the edits that put findings right, and applying them.
target_sources(quillet_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/apply.cpp
  ${CMAKE_CURRENT_LIST_DIR}/builders.cpp
  ${CMAKE_CURRENT_LIST_DIR}/editor_fixes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/line_fixes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/line_reading.cpp
  ${CMAKE_CURRENT_LIST_DIR}/quote_fixes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/word_fixes.cpp)
