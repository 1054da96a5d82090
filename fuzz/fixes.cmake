# fuzz_fixes: the fix builders and the applier.
include(${CMAKE_CURRENT_LIST_DIR}/fuzz_core.cmake)
quillet_fuzz_target(fuzz_fixes fixesInput ${CMAKE_CURRENT_LIST_DIR}/fixes_fuzz.cpp)
