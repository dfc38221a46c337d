# Shared helpers for the project's targets.

# Warnings are errors everywhere; options are set per target.
function(pdx_target_options target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  if(PDX_FUZZ)
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link,address,undefined)
  endif()
endfunction()

# pdx_expose_headers(target folder...): the target's include root holds links
# to the headers of the given source folders and nothing else, under their
# paths from the source root ("core/base/cp949.h"). A target sees only the
# headers of itself and of the libraries it links, so an include against the
# layers fails to compile.
function(pdx_expose_headers target)
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  file(REMOVE_RECURSE ${root})
  foreach(dir ${ARGN})
    file(RELATIVE_PATH rel ${PROJECT_SOURCE_DIR} ${dir})
    file(GLOB headers CONFIGURE_DEPENDS ${dir}/*.h)
    file(MAKE_DIRECTORY ${root}/${rel})
    foreach(header ${headers})
      get_filename_component(header_name ${header} NAME)
      file(CREATE_LINK ${header} ${root}/${rel}/${header_name} SYMBOLIC)
    endforeach()
  endforeach()
  get_target_property(kind ${target} TYPE)
  if(kind STREQUAL "INTERFACE_LIBRARY")
    target_include_directories(${target} INTERFACE ${root})
  else()
    target_include_directories(${target} PUBLIC ${root})
  endif()
endfunction()

# pdx_add_headers(name): a library of the current folder's headers alone.
function(pdx_add_headers name)
  add_library(${name} INTERFACE)
  pdx_expose_headers(${name} ${CMAKE_CURRENT_SOURCE_DIR})
endfunction()

# The source folders of a target's own files (generated files excluded).
function(pdx_source_folders out)
  set(dirs)
  foreach(source ${ARGN})
    get_filename_component(path ${source} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
    get_filename_component(dir ${path} DIRECTORY)
    file(RELATIVE_PATH rel ${PROJECT_SOURCE_DIR} ${dir})
    if(NOT rel MATCHES "^[.][.]")
      list(APPEND dirs ${dir})
    endif()
  endforeach()
  list(REMOVE_DUPLICATES dirs)
  set(${out} ${dirs} PARENT_SCOPE)
endfunction()

# pdx_add_library(name SOURCES ... LIBS ...): a static library whose headers
# are included by their path from the source root ("core/base/cp949.h").
function(pdx_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  pdx_source_folders(folders ${ARG_SOURCES})
  pdx_expose_headers(${name} ${folders})
  target_link_libraries(${name} PUBLIC ${ARG_LIBS})
  pdx_target_options(${name})
endfunction()

# pdx_add_test(name SOURCES ... LIBS ... [ENV ...]): a GoogleTest executable
# registered with CTest, test by test. Tests run in a private temporary HOME
# so that settings and data folders never touch the user's own.
function(pdx_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;ENV" ${ARGN})
  if(PDX_FUZZ)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE PDX_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  pdx_target_options(${name})
  # The environment is set by a script that runs after the discovered tests
  # are defined: passed through gtest_discover_tests a list of several
  # variables would lose its separators.
  gtest_discover_tests(${name}
    DISCOVERY_TIMEOUT 60
    TEST_LIST ${name}_TESTS)
  set(env_script ${CMAKE_CURRENT_BINARY_DIR}/${name}_env.cmake)
  file(GENERATE OUTPUT ${env_script}
    CONTENT "if(${name}_TESTS)\n  set_tests_properties(\${${name}_TESTS} PROPERTIES ENVIRONMENT \"PDX_TEST=1;LANGUAGE=ko;${ARG_ENV}\")\nendif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${env_script})
endfunction()

# pdx_add_fuzzer(name SOURCES ... LIBS ... [CORPUS dir]): with PDX_FUZZ a
# libFuzzer binary; otherwise a replay program that feeds every file of the
# committed seed corpus to the same entry point, run as a CTest test.
function(pdx_add_fuzzer name)
  cmake_parse_arguments(ARG "" "CORPUS" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS})
  pdx_target_options(${name})
  if(PDX_FUZZ)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzzers)
    set_property(GLOBAL APPEND PROPERTY PDX_FUZZERS "${name}=${ARG_CORPUS}")
  else()
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/cmake/fuzz_replay_main.cpp)
    if(ARG_CORPUS)
      add_test(NAME ${name}.corpus COMMAND ${name} ${ARG_CORPUS})
    endif()
  endif()
endfunction()

# Writes fuzzers.txt into the build folder: one "name=corpus" line per fuzz
# target, read by scripts/fuzz-smoke.sh.
function(pdx_write_fuzzer_list)
  get_property(fuzzers GLOBAL PROPERTY PDX_FUZZERS)
  list(JOIN fuzzers "\n" text)
  file(WRITE ${CMAKE_BINARY_DIR}/fuzzers.txt "${text}\n")
endfunction()

# pdx_add_benchmark(name SOURCES ... LIBS ...): a Google Benchmark program,
# built but never run as a test.
function(pdx_add_benchmark name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  if(NOT PDX_BENCH OR PDX_FUZZ)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} benchmark::benchmark)
  pdx_target_options(${name})
endfunction()
