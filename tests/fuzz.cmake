# The fuzz targets (libFuzzer). They need clang: configure a build folder of their own with
# -DCMAKE_CXX_COMPILER=clang++ -DCHECK_HTML_FUZZ=ON (and -DCHECK_HTML_SANITIZE=ON) and build the
# targets by name; ./test runs each for a fixed number of inputs, the README says how to run
# them longer.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "CHECK_HTML_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
endif()
target_compile_options(check_html_core PRIVATE -fsanitize=fuzzer-no-link)

# One fuzz target from one source file, written to the top of the build folder.
function(add_fuzz_target name source)
  add_executable(${name} EXCLUDE_FROM_ALL ${source})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_libraries(${name} PRIVATE check_html_core)
  target_compile_definitions(${name} PRIVATE CHECK_HTML_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
endfunction()
