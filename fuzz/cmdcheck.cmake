# fuzz_cmdcheck: the parser and rules of the Windows command interpreter, with
# its own instrumented copy of the core sources it needs.
get_target_property(_cmd_sources quillet_core SOURCES)
list(FILTER _cmd_sources INCLUDE REGEX "/core/(text|checker|cmdcheck)/[a-z_]+\\.cpp$")
add_executable(fuzz_cmdcheck ${CMAKE_CURRENT_LIST_DIR}/libfuzzer_entry.cpp ${CMAKE_CURRENT_LIST_DIR}/cmdcheck_fuzz.cpp
               ${_cmd_sources})
target_include_directories(fuzz_cmdcheck PRIVATE ${PROJECT_SOURCE_DIR}/src ${CMAKE_CURRENT_LIST_DIR})
target_compile_definitions(fuzz_cmdcheck PRIVATE QUILLET_FUZZ_ENTRY=fuzz::cmdInput)
set(_cmd_fuzz_flags -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
target_compile_options(fuzz_cmdcheck PRIVATE ${_cmd_fuzz_flags})
target_link_options(fuzz_cmdcheck PRIVATE ${_cmd_fuzz_flags})
target_link_libraries(fuzz_cmdcheck PRIVATE project_options)
