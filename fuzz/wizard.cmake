# fuzz_wizard: the plan reader of `qlt generate`, and the update flow it drives.
include(${CMAKE_CURRENT_LIST_DIR}/fuzz_core.cmake)
find_package(nlohmann_json 3 REQUIRED)
quillet_fuzz_target(fuzz_wizard planInput ${CMAKE_CURRENT_LIST_DIR}/wizard_fuzz.cpp
  ${PROJECT_SOURCE_DIR}/src/cli/generate/plan.cpp ${PROJECT_SOURCE_DIR}/src/cli/generate/plan_fields.cpp)
target_link_libraries(fuzz_wizard PRIVATE nlohmann_json::nlohmann_json)
