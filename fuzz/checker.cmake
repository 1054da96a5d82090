# fuzz_checker: arbitrary bytes as a document for the syntax checker. It builds
# its own instrumented copy of the core sources it needs (text, checker and the
# command interpreter rules the checker can choose).
get_target_property(_core_sources quillet_core SOURCES)
list(FILTER _core_sources INCLUDE REGEX "/core/(text|checker|cmdcheck)/[a-z_]+\\.cpp$")
add_executable(fuzz_checker ${CMAKE_CURRENT_LIST_DIR}/checker_fuzz.cpp ${_core_sources})
target_include_directories(fuzz_checker PRIVATE ${PROJECT_SOURCE_DIR}/src)
set(_fuzz_flags -g -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
target_compile_options(fuzz_checker PRIVATE ${_fuzz_flags})
target_link_options(fuzz_checker PRIVATE ${_fuzz_flags})
target_link_libraries(fuzz_checker PRIVATE project_options)
