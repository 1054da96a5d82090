target_sources(qlt_lib PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/generate_command.cpp
  ${CMAKE_CURRENT_LIST_DIR}/plan.cpp
  ${CMAKE_CURRENT_LIST_DIR}/plan_fields.cpp)
