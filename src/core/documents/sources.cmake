target_sources(quillet_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/memory_editor_view.cpp
  ${CMAKE_CURRENT_LIST_DIR}/document_names.cpp
  ${CMAKE_CURRENT_LIST_DIR}/parked_documents.cpp
  ${CMAKE_CURRENT_LIST_DIR}/recent_files.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_search.cpp
  ${CMAKE_CURRENT_LIST_DIR}/launch_request.cpp
  ${CMAKE_CURRENT_LIST_DIR}/document_set.cpp
  ${CMAKE_CURRENT_LIST_DIR}/document_set_files.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_stamps.cpp
  ${CMAKE_CURRENT_LIST_DIR}/open_limits.cpp
  ${CMAKE_CURRENT_LIST_DIR}/editor_commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/browse_file_dialog.cpp)
