# lexiblast_warnings(target): the project's warning set, fatal when LEXIBLAST_WERROR is on.
function(lexiblast_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Wcast-align -Wunused
                                           -Wnull-dereference -Wdouble-promotion -Wformat=2)
  if(LEXIBLAST_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
