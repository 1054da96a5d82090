# Sources of core/cmdcheck: the Windows command interpreter rules.
target_sources(quillet_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/cmd_checker.cpp
  ${CMAKE_CURRENT_LIST_DIR}/code_help.cpp
  ${CMAKE_CURRENT_LIST_DIR}/code_help_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/command_tables.cpp
  ${CMAKE_CURRENT_LIST_DIR}/commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/detection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_index.cpp
  ${CMAKE_CURRENT_LIST_DIR}/findings.cpp
  ${CMAKE_CURRENT_LIST_DIR}/if_for.cpp
  ${CMAKE_CURRENT_LIST_DIR}/logical_line.cpp
  ${CMAKE_CURRENT_LIST_DIR}/name_hashes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/parted_walk.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rule_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rules_commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rules_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scan.cpp
  ${CMAKE_CURRENT_LIST_DIR}/set_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/walk.cpp
  ${CMAKE_CURRENT_LIST_DIR}/walk_stretches.cpp)
