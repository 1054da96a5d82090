# Integration tests of the POP3 client against a private dovecot (pop3_server.sh).
add_executable(pop3_tests
  ${CMAKE_CURRENT_LIST_DIR}/pop3_main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/curl_pop3_client_test.cpp)
target_include_directories(pop3_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_compile_definitions(pop3_tests PRIVATE QUILLET_POP3_SERVER_SCRIPT="${CMAKE_CURRENT_LIST_DIR}/pop3_server.sh")
target_link_libraries(pop3_tests PRIVATE quillet_platform Qt6::Test GTest::gtest project_options)
gtest_discover_tests(pop3_tests DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120 ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
