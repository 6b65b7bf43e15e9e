# One-line helpers for adding libraries, tests, benchmarks and fuzz targets.

set(HUESET_WARNINGS -Wall -Wextra -Wpedantic)

function(hueset_apply_options target)
  target_compile_options(${target} PRIVATE ${HUESET_WARNINGS})
  if(HUESET_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(HUESET_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
  if(HUESET_FUZZ AND CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    # Coverage for the fuzzers reaches into every library they call.
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link,address,undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# hueset_add_subsystem_folders()
# Adds every folder below the current one that has a CMakeLists.txt: the
# benchmarks and fuzz targets keep one folder per subsystem.
function(hueset_add_subsystem_folders)
  file(GLOB dirs LIST_DIRECTORIES true "${CMAKE_CURRENT_SOURCE_DIR}/*")
  foreach(dir IN LISTS dirs)
    if(IS_DIRECTORY "${dir}" AND EXISTS "${dir}/CMakeLists.txt")
      add_subdirectory("${dir}")
    endif()
  endforeach()
endfunction()

# hueset_core_library(<name> SOURCES a.cpp b.cpp [DEPENDS other core libraries])
# Builds the static library hueset_<name>, whose headers are included as
# "<name>/file.h" from src/core.
function(hueset_core_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  if(NOT ARG_SOURCES)
    # A subsystem still being started: headers only.
    add_library(hueset_${name} INTERFACE)
    target_include_directories(hueset_${name} INTERFACE ${PROJECT_SOURCE_DIR}/src/core)
    foreach(dep IN LISTS ARG_DEPENDS)
      target_link_libraries(hueset_${name} INTERFACE hueset_${dep})
    endforeach()
    return()
  endif()
  add_library(hueset_${name} STATIC ${ARG_SOURCES})
  target_include_directories(hueset_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src/core)
  foreach(dep IN LISTS ARG_DEPENDS)
    target_link_libraries(hueset_${name} PUBLIC hueset_${dep})
  endforeach()
  hueset_apply_options(hueset_${name})
endfunction()

# hueset_test(<name> SOURCES a_test.cpp [DEPENDS core libraries or other targets])
# A GoogleTest executable registered with CTest. Test data lives under
# tests/data; HUESET_TEST_DATA points there.
function(hueset_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  foreach(dep IN LISTS ARG_DEPENDS)
    if(TARGET hueset_${dep})
      target_link_libraries(${name} PRIVATE hueset_${dep})
    else()
      target_link_libraries(${name} PRIVATE ${dep})
    endif()
  endforeach()
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} hueset_test_support GTest::gtest GTest::gmock GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    HUESET_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data"
    HUESET_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
  hueset_apply_options(${name})
  # The test code itself runs briefly and the libraries under test keep the
  # build type's optimisation: unoptimised, the tests compile in half the time.
  target_compile_options(${name} PRIVATE $<$<NOT:$<CONFIG:Debug>>:-O0>)
  set(properties ENVIRONMENT "HUESET_PROFILE=${CMAKE_CURRENT_BINARY_DIR}/${name}-profile.ini")
  if(HUESET_SANITIZE)
    # Leaks of the libraries below us, not ours (see the file); their frames
    # have no frame pointers, so only the slow unwinder sees the whole stack.
    # A property of its own: a list in ENVIRONMENT would not survive discovery.
    list(APPEND properties ENVIRONMENT_MODIFICATION
      "LSAN_OPTIONS=set:suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:fast_unwind_on_malloc=0")
  endif()
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES ${properties})
endfunction()

# hueset_benchmark(<name> SOURCES a.cpp DEPENDS ...)
function(hueset_benchmark name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  find_package(benchmark QUIET)
  if(NOT benchmark_FOUND)
    return()
  endif()
  add_executable(${name} ${ARG_SOURCES})
  foreach(dep IN LISTS ARG_DEPENDS)
    target_link_libraries(${name} PRIVATE hueset_${dep})
  endforeach()
  target_link_libraries(${name} PRIVATE benchmark::benchmark benchmark::benchmark_main)
  hueset_apply_options(${name})
endfunction()

# hueset_fuzzer(<name> SOURCES a.cpp DEPENDS ... CORPUS dir)
# With clang and HUESET_FUZZ, builds a libFuzzer binary. Whatever the
# compiler, it also builds a replay test that runs every saved corpus file
# through the same entry point, so found crashes stay fixed.
function(hueset_fuzzer name)
  cmake_parse_arguments(ARG "" "CORPUS" "SOURCES;DEPENDS" ${ARGN})
  if(HUESET_FUZZ AND CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    add_executable(${name} ${ARG_SOURCES})
    foreach(dep IN LISTS ARG_DEPENDS)
      target_link_libraries(${name} PRIVATE hueset_${dep})
    endforeach()
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
    # scripts/fuzz runs every target over its corpus from this list.
    set_property(GLOBAL APPEND PROPERTY HUESET_FUZZ_TARGETS "$<TARGET_FILE:${name}>\t${ARG_CORPUS}")
  endif()
  if(BUILD_TESTING)
    add_executable(${name}_replay ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/tests/fuzz/replay_main.cpp)
    foreach(dep IN LISTS ARG_DEPENDS)
      target_link_libraries(${name}_replay PRIVATE hueset_${dep})
    endforeach()
    target_include_directories(${name}_replay PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    hueset_apply_options(${name}_replay)
    add_test(NAME ${name}_replay COMMAND ${name}_replay ${ARG_CORPUS})
  endif()
endfunction()
