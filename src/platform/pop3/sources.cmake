# POP3 client: libcurl on a worker thread, events delivered on the window's thread.
find_package(CURL REQUIRED)
target_sources(quillet_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/curl_pop3_session.cpp
  ${CMAKE_CURRENT_LIST_DIR}/curl_pop3_client.cpp)
