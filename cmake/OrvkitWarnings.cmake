# Warnings apply to the project's own targets only, not to consumers of the package.
function(orvkit_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(ORVKIT_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
