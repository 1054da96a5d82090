# An instrumented copy of the core for the fuzz targets of the settings,
# documents, wizard and info areas, and the function that makes one of them.
# The project's own core target stays uninstrumented: the fuzzer's coverage
# flags on it would break the link of every other program.
include_guard(GLOBAL)
set(QUILLET_FUZZ_FLAGS -g -O1 -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
get_target_property(_fuzz_core_sources quillet_core SOURCES)
add_library(quillet_core_fuzz STATIC ${_fuzz_core_sources})
target_include_directories(quillet_core_fuzz PUBLIC $<TARGET_PROPERTY:quillet_core,INTERFACE_INCLUDE_DIRECTORIES>)
target_compile_options(quillet_core_fuzz PRIVATE ${QUILLET_FUZZ_FLAGS} -fsanitize=fuzzer-no-link)
target_link_libraries(quillet_core_fuzz PRIVATE project_options)

# quillet_fuzz_target(NAME ENTRY SOURCE...): a libFuzzer program whose input
# goes to fuzz::ENTRY, defined in one of the sources.
function(quillet_fuzz_target name entry)
  add_executable(${name} ${PROJECT_SOURCE_DIR}/fuzz/libfuzzer_entry.cpp ${ARGN})
  target_compile_definitions(${name} PRIVATE QUILLET_FUZZ_ENTRY=fuzz::${entry})
  target_compile_options(${name} PRIVATE ${QUILLET_FUZZ_FLAGS} -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE ${QUILLET_FUZZ_FLAGS} -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE quillet_core_fuzz project_options)
endfunction()
