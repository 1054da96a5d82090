# Sources of core/info.
# Help, About and the support and tutorial openers.
target_sources(quillet_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/help_topics.cpp
  ${CMAKE_CURRENT_LIST_DIR}/help_library.cpp
  ${CMAKE_CURRENT_LIST_DIR}/about_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/support_link.cpp)
