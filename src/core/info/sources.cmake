# Sources of core/info.
# The update notice fetched over POP3.
target_sources(quillet_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/help_controls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/version_compare.cpp
  ${CMAKE_CURRENT_LIST_DIR}/update_config.cpp
  ${CMAKE_CURRENT_LIST_DIR}/update_notice.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pop3_reply.cpp
  ${CMAKE_CURRENT_LIST_DIR}/notice_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/update_session.cpp)
# Help, About and the support and tutorial openers.
target_sources(quillet_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/help_topics.cpp
  ${CMAKE_CURRENT_LIST_DIR}/help_library.cpp
  ${CMAKE_CURRENT_LIST_DIR}/about_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/support_link.cpp)
# Command words: a line about each, for hover texts and completion.
target_sources(quillet_core PRIVATE ${CMAKE_CURRENT_LIST_DIR}/command_help.cpp)
