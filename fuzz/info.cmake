# fuzz_info: POP3 replies, retrieved messages and the server list.
include(${CMAKE_CURRENT_LIST_DIR}/fuzz_core.cmake)
quillet_fuzz_target(fuzz_info pop3Input ${CMAKE_CURRENT_LIST_DIR}/info_fuzz.cpp)
