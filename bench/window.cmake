# The window, offscreen: start-up, opening a big file, the check with colours,
# switching tabs, memory (bench_window); typing latency with the check as you
# type on and off (bench_typing).
if(QUILLET_BUILD_APP)
  find_package(Qt6 REQUIRED COMPONENTS Test)
  foreach(name IN ITEMS window typing)
    add_executable(bench_${name} ${CMAKE_CURRENT_LIST_DIR}/${name}_bench.cpp)
    target_include_directories(bench_${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(bench_${name} PRIVATE quillet_app Qt6::Test project_options)
  endforeach()
endif()
