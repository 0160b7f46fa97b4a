# Common compile settings and the helper that declares one library per folder.

add_library(tavrek_options INTERFACE)
target_compile_options(tavrek_options INTERFACE -Wall -Wextra)
target_include_directories(tavrek_options INTERFACE ${PROJECT_SOURCE_DIR})
if(TAVREK_SANITIZE)
  target_compile_options(tavrek_options INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  target_link_options(tavrek_options INTERFACE -fsanitize=address,undefined)
  target_compile_definitions(tavrek_options INTERFACE TAVREK_SANITIZED)
endif()
if(TAVREK_FUZZ)
  # The fuzz build (clang): every library instrumented for libFuzzer's coverage once; only the
  # fuzz targets link the fuzzer itself.
  target_compile_options(tavrek_options INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
    -fno-sanitize-recover=undefined)
  target_link_options(tavrek_options INTERFACE -fsanitize=address,undefined)
  target_compile_definitions(tavrek_options INTERFACE TAVREK_SANITIZED)
endif()

# tavrek_folder_library(<name> [DEPENDS libs...])
# Every .cpp file of the calling folder goes into the static library <name>.
function(tavrek_folder_library name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(NOT sources)
    # A folder whose code is headers only so far.
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE tavrek_options ${ARG_DEPENDS})
    return()
  endif()
  add_library(${name} STATIC ${sources})
  target_link_libraries(${name} PUBLIC tavrek_options ${ARG_DEPENDS})
endfunction()
