# Warning flags for the project's own targets.
function(trimlet_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(TRIMLET_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
