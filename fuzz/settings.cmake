# fuzz_settings: the list-file reader, and list entries as stored settings.
include(${CMAKE_CURRENT_LIST_DIR}/fuzz_core.cmake)
quillet_fuzz_target(fuzz_settings listFileInput ${CMAKE_CURRENT_LIST_DIR}/settings_fuzz.cpp)
