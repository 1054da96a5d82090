# fuzz_fixes: the fix builders and the applier, with their own instrumented
# copy of the core sources they need.
get_target_property(_fix_sources quillet_core SOURCES)
list(FILTER _fix_sources INCLUDE REGEX "/core/(text|checker|cmdcheck|fixes)/[a-z_]+\\.cpp$")
add_executable(fuzz_fixes ${CMAKE_CURRENT_LIST_DIR}/libfuzzer_entry.cpp ${CMAKE_CURRENT_LIST_DIR}/fixes_fuzz.cpp
               ${_fix_sources})
target_include_directories(fuzz_fixes PRIVATE ${PROJECT_SOURCE_DIR}/src ${CMAKE_CURRENT_LIST_DIR})
target_compile_definitions(fuzz_fixes PRIVATE QUILLET_FUZZ_ENTRY=fuzz::fixesInput)
set(_fix_fuzz_flags -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
target_compile_options(fuzz_fixes PRIVATE ${_fix_fuzz_flags})
target_link_options(fuzz_fixes PRIVATE ${_fix_fuzz_flags})
target_link_libraries(fuzz_fixes PRIVATE project_options)
