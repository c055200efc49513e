# Profile-guided optimisation (GCC), for the release build.
#
# With RADIXEL_PGO on, configuring the project first builds radixel-cli with
# instrumentation in a build tree of its own (pgo-training/), runs it on a
# batch of typical lines and keeps the counts (pgo-profile/). Every object of
# this build is then compiled with those counts: the compiler learns which
# calls through the class library's virtual functions go where, which
# branches are taken and what is worth inlining. Code the training never ran
# (the desktop window, the tests) is optimised as it would be without them.
#
# The training runs again whenever a source of the command-line program
# changes, so the counts always describe the code they are used for.
option(RADIXEL_PGO "Optimise with a profile of radixel-cli on typical lines (GCC)" OFF)
set(RADIXEL_PGO_INSTRUMENT "" CACHE PATH
    "Internal: build with instrumentation, writing counts into this directory")

if(RADIXEL_PGO_INSTRUMENT)
  add_compile_options(-fprofile-generate -fprofile-update=single
                      -fprofile-dir=${RADIXEL_PGO_INSTRUMENT}
                      -fprofile-prefix-path=${CMAKE_BINARY_DIR})
  add_link_options(-fprofile-generate)
  return()
endif()

if(NOT RADIXEL_PGO)
  return()
endif()
# (-fprofile-prefix-path, which lets the counts of one build tree serve
# another, came with GCC 11.)
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "GNU" OR CMAKE_CXX_COMPILER_VERSION VERSION_LESS 11
   OR CMAKE_CROSSCOMPILING)
  message(STATUS "Profile-guided optimisation: only with GCC 11 or later for this machine; building without")
  return()
endif()

set(pgo_tree ${CMAKE_BINARY_DIR}/pgo-training)
set(pgo_counts ${CMAKE_BINARY_DIR}/pgo-profile)
set(pgo_lines ${pgo_tree}/training-lines.txt)
find_program(RADIXEL_AWK NAMES awk mawk gawk REQUIRED)

# Runs one step; its output is shown only when it fails.
function(radixel_pgo_step what)
  cmake_parse_arguments(PARSE_ARGV 1 step "" "INPUT_FILE;OUTPUT_FILE" "COMMAND")
  set(redirect)
  if(step_INPUT_FILE)
    list(APPEND redirect INPUT_FILE ${step_INPUT_FILE})
  endif()
  if(step_OUTPUT_FILE)
    list(APPEND redirect OUTPUT_FILE ${step_OUTPUT_FILE})
  else()
    list(APPEND redirect OUTPUT_VARIABLE output)
  endif()
  execute_process(COMMAND ${step_COMMAND} ${redirect} ERROR_VARIABLE errors RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "Profile-guided optimisation: ${what} failed (${status}):\n${output}${errors}")
  endif()
endfunction()

message(STATUS "Profile-guided optimisation: building and training radixel-cli in ${pgo_tree}")
radixel_pgo_step("configuring the instrumented build" COMMAND
  ${CMAKE_COMMAND} -S ${CMAKE_SOURCE_DIR} -B ${pgo_tree} -G ${CMAKE_GENERATOR}
  -DCMAKE_CXX_COMPILER=${CMAKE_CXX_COMPILER}
  -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
  -DCMAKE_INTERPROCEDURAL_OPTIMIZATION=${CMAKE_INTERPROCEDURAL_OPTIMIZATION}
  -DRADIXEL_WERROR=${RADIXEL_WERROR}
  -DRADIXEL_WINDOW_SYSTEM=none -DRADIXEL_BUILD_BENCHMARKS=OFF -DBUILD_TESTING=OFF
  -DRADIXEL_MAP_SOURCE_PATH=${RADIXEL_MAP_SOURCE_PATH}
  -DRADIXEL_PGO=OFF -DRADIXEL_PGO_INSTRUMENT=${pgo_counts})
radixel_pgo_step("building the instrumented radixel-cli" COMMAND
  ${CMAKE_COMMAND} --build ${pgo_tree} --target radixel-cli --parallel 2)
# Lines like a script's: all six modes, inputs of 1 to 19 characters, some
# illegal (the benchmark's generator, with a seed of its own).
file(REMOVE_RECURSE ${pgo_counts})
radixel_pgo_step("writing the training lines" COMMAND
  ${RADIXEL_AWK} -v n=300000 -v seed=19700101 -v cli=${pgo_tree}/bin/radixel-cli
  -f ${CMAKE_SOURCE_DIR}/bench/batch_input.awk
  OUTPUT_FILE ${pgo_lines})
radixel_pgo_step("the training run" COMMAND ${pgo_tree}/bin/radixel-cli --batch
  INPUT_FILE ${pgo_lines} OUTPUT_FILE ${pgo_tree}/training-records.txt)

add_compile_options(-fprofile-use -fprofile-partial-training -Wno-missing-profile
                    -fprofile-dir=${pgo_counts} -fprofile-prefix-path=${CMAKE_BINARY_DIR})
# A hot call to a function not declared inline is inlined only up to an
# estimated size, 30 by default at -O3: a dialog's DoDataExchange, which
# every OK press runs twice through a virtual call, is estimated just above
# it. Inlined into the press, it saves about 40 instructions a press (the
# calls and their register saves); the profile keeps cold code from growing.
# (The inliner reads it from each function's own options, also at link time.)
add_compile_options(--param=max-inline-insns-auto=40)
# The debug information's producer string would record those two absolute
# paths of the build tree, and through it the build id: the same sources
# built in another folder would give another package.
add_compile_options(-gno-record-gcc-switches)

# Any change to the program's sources trains again at the next build.
file(GLOB_RECURSE pgo_sources CONFIGURE_DEPENDS
     ${CMAKE_SOURCE_DIR}/engine/*.cpp ${CMAKE_SOURCE_DIR}/engine/*.h
     ${CMAKE_SOURCE_DIR}/platform/*.cpp ${CMAKE_SOURCE_DIR}/platform/*.h
     ${CMAKE_SOURCE_DIR}/ui/*.cpp ${CMAKE_SOURCE_DIR}/ui/*.h
     ${CMAKE_SOURCE_DIR}/res/*.cpp ${CMAKE_SOURCE_DIR}/res/*.h ${CMAKE_SOURCE_DIR}/res/*.rc
     ${CMAKE_SOURCE_DIR}/cli/*.cpp ${CMAKE_SOURCE_DIR}/cli/*.h)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${pgo_sources})
