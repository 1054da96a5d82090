# `qlt lsp`: framing, the server and its features.
target_sources(qlt_lib PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/frame_reader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/message.cpp
  ${CMAKE_CURRENT_LIST_DIR}/position.cpp
  ${CMAKE_CURRENT_LIST_DIR}/input_pump.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_document.cpp
  ${CMAKE_CURRENT_LIST_DIR}/batch_scan.cpp
  ${CMAKE_CURRENT_LIST_DIR}/command_place.cpp
  ${CMAKE_CURRENT_LIST_DIR}/diagnostics.cpp
  ${CMAKE_CURRENT_LIST_DIR}/navigation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/assistance.cpp
  ${CMAKE_CURRENT_LIST_DIR}/name_uses.cpp
  ${CMAKE_CURRENT_LIST_DIR}/editing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/server.cpp
  ${CMAKE_CURRENT_LIST_DIR}/lsp_command.cpp)
find_package(Threads REQUIRED)
target_link_libraries(qlt_lib PRIVATE Threads::Threads)
