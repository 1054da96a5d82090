# Window tests of the info area: TForm2 against a private dovecot, a Linux
# server started by a shell script, so not in the Windows build.
if(NOT WIN32)
  target_sources(app_tests PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/update_info_window_test.cpp)
  target_compile_definitions(app_tests PRIVATE
    QUILLET_POP3_SERVER_SCRIPT="${CMAKE_CURRENT_LIST_DIR}/../../platform/pop3/pop3_server.sh")
endif()
