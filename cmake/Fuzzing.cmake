# libFuzzer targets (native clang builds only).
#
#   add_fuzz_target(<name> <sources>...)
#
# builds <name> from its sources with the fuzzer's instrumentation (compile
# the code under test in, so it carries the coverage the fuzzer steers by),
# and registers the test <name>_short, which runs it for a few seconds from
# the seed corpus in the source folder's `corpus`. New inputs go to the build
# folder's `corpus`, never into the source tree. A long run:
#   <name> -max_total_time=1800 <build folder>/corpus <source folder>/corpus
set(VDK_CAN_FUZZ OFF)
if(NOT WIN32 AND CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  set(VDK_CAN_FUZZ ON)
endif()

function(add_fuzz_target name)
  add_executable(${name} ${ARGN})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_compile_options(${name} PRIVATE -fsanitize=fuzzer)
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set(work_corpus ${CMAKE_CURRENT_BINARY_DIR}/corpus)
  file(MAKE_DIRECTORY ${work_corpus})
  add_test(NAME ${name}_short
           COMMAND ${name} -max_total_time=5 -timeout=20 -artifact_prefix=${CMAKE_CURRENT_BINARY_DIR}/
                   ${work_corpus} ${CMAKE_CURRENT_SOURCE_DIR}/corpus)
endfunction()
