# Sources of core/checker.
target_sources(quillet_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/check_run.cpp
  ${CMAKE_CURRENT_LIST_DIR}/command_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/editor_check.cpp
  ${CMAKE_CURRENT_LIST_DIR}/document_problems.cpp
  ${CMAKE_CURRENT_LIST_DIR}/editor_view_colours.cpp
  ${CMAKE_CURRENT_LIST_DIR}/live_check.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/head_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/line_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/messages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/name_set.cpp
  ${CMAKE_CURRENT_LIST_DIR}/problem_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rule_chain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rule_set.cpp
  ${CMAKE_CURRENT_LIST_DIR}/syntax_checker.cpp
  ${CMAKE_CURRENT_LIST_DIR}/typing_colours.cpp
  ${CMAKE_CURRENT_LIST_DIR}/working_text.cpp)
