# Build options shared by every target.
option(TESSERA_WERROR "Treat compiler warnings as errors" OFF)
option(TESSERA_BUILD_TESTS "Build the test executables" ON)
option(TESSERA_BUILD_BENCHMARKS "Build the Google Benchmark programs" ON)
option(TESSERA_FUZZ "Build the libFuzzer targets (needs clang)" OFF)
set(TESSERA_SANITIZE "" CACHE STRING "Comma-separated sanitizers, e.g. address,undefined or thread")

find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM)
  set(CMAKE_C_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
endif()

add_compile_options(-Wall -Wextra)
if(TESSERA_WERROR)
  add_compile_options(-Werror)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # GCC 12 reports these at -O2 inside inlined std::vector code where no
    # access is out of bounds; they stay visible as warnings.
    add_compile_options(-Wno-error=stringop-overflow -Wno-error=array-bounds -Wno-error=restrict)
  endif()
endif()

if(TESSERA_SANITIZE)
  add_compile_options(-fsanitize=${TESSERA_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${TESSERA_SANITIZE})
endif()

if(TESSERA_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "TESSERA_FUZZ needs clang (configure with CXX=clang++)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
