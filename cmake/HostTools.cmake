# lexiblast_host_tool(<name> <source>...): builds a small generator for the machine that runs the build,
# also inside a cross build, and sets <name>_EXECUTABLE to its path. Use it in add_custom_command.
find_program(LEXIBLAST_HOST_CXX NAMES g++ c++ clang++ REQUIRED)

function(lexiblast_host_tool name)
  set(sources ${ARGN})
  list(TRANSFORM sources PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
  set(exe ${CMAKE_BINARY_DIR}/host-tools/${name})
  add_custom_command(
    OUTPUT ${exe}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/host-tools
    COMMAND ${LEXIBLAST_HOST_CXX} -std=c++20 -O2 -Wall -Wextra -o ${exe} ${sources}
    DEPENDS ${sources}
    COMMENT "Building host tool ${name}"
    VERBATIM)
  set(${name}_EXECUTABLE ${exe} PARENT_SCOPE)
endfunction()
