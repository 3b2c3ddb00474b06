# Functions every module folder uses to declare its targets.
include(CMakeParseArguments)

# tessera_add_test(<name> SOURCES ... [LIBS ...] [LABELS ...] [TIMEOUT s])
# One test executable per module; CTest runs it as one test named <name>.
# Label "threads" puts it into the ThreadSanitizer run, "display" marks
# tests that need an X server (they run under xvfb-run).
function(tessera_add_test name)
  if(NOT TESSERA_BUILD_TESTS OR TESSERA_FUZZ)
    return()
  endif()
  cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE tessera_test_support ${T_LIBS})
  add_test(NAME ${name} COMMAND ${name} --gtest_color=no)
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 600)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT} LABELS "${T_LABELS}"
    ENVIRONMENT "TESSERA_SOURCE_DIR=${PROJECT_SOURCE_DIR};TESSERA_BUILD_DIR=${CMAKE_BINARY_DIR};TESSERA_DIST_DIR=${TESSERA_DIST_DIR}")
endfunction()

# tessera_add_benchmark(<name> SOURCES ... [LIBS ...])
function(tessera_add_benchmark name)
  if(NOT TESSERA_BUILD_BENCHMARKS OR TESSERA_SANITIZE OR TESSERA_FUZZ)
    return()
  endif()
  find_package(benchmark REQUIRED)
  cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${B_SOURCES})
  target_link_libraries(${name} PRIVATE ${B_LIBS} benchmark::benchmark_main)
endfunction()

# tessera_add_fuzzer(<name> SOURCES ... [LIBS ...] [CORPUS dir])
# Only built in the clang fuzz configuration (TESSERA_FUZZ=ON); the
# corpus folder seeds `make fuzz`.
function(tessera_add_fuzzer name)
  if(NOT TESSERA_FUZZ)
    return()
  endif()
  cmake_parse_arguments(F "" "CORPUS" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${F_SOURCES})
  target_link_libraries(${name} PRIVATE ${F_LIBS})
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set_property(GLOBAL APPEND PROPERTY TESSERA_FUZZERS "${name}|${F_CORPUS}")
endfunction()

# tessera_dist_target(<target>): put an executable or shared library into the
# program folder, where it finds its neighbours through $ORIGIN.
function(tessera_dist_target target)
  set_target_properties(${target} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${TESSERA_DIST_DIR}
    LIBRARY_OUTPUT_DIRECTORY ${TESSERA_DIST_DIR}
    BUILD_RPATH "\$ORIGIN"
    INSTALL_RPATH "\$ORIGIN")
endfunction()

# tessera_add_library(<target> [DIRECTORY dir]) → a static library of every
# .cpp file directly in `dir` (default: the current source folder), with the
# repository root as include root ("config/XmlDocument.h"). Sets
# TESSERA_LINK_SCOPE in the caller to PUBLIC, or to INTERFACE while the folder
# has no sources yet, for the caller's target_link_libraries.
function(tessera_add_library target)
  cmake_parse_arguments(L "" "DIRECTORY" "" ${ARGN})
  if(NOT L_DIRECTORY)
    set(L_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR})
  endif()
  file(GLOB sources CONFIGURE_DEPENDS ${L_DIRECTORY}/*.cpp)
  if(sources)
    add_library(${target} STATIC ${sources})
    set(scope PUBLIC)
  else()
    add_library(${target} INTERFACE)
    set(scope INTERFACE)
  endif()
  target_include_directories(${target} ${scope} ${PROJECT_SOURCE_DIR})
  set(TESSERA_LINK_SCOPE ${scope} PARENT_SCOPE)
endfunction()
