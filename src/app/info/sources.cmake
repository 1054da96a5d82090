# Sources of the window's info area: the update-information window.
target_sources(quillet_app PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/update_info_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/notice_print.cpp
  ${CMAKE_CURRENT_LIST_DIR}/check_for_update.cpp)
