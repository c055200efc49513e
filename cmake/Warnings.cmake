# Warnings every target of the project builds with; they are errors in CI.
option(RADIXEL_WERROR "Treat warnings as errors" OFF)

function(radixel_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    if(RADIXEL_WERROR)
      target_compile_options(${target} PRIVATE -Werror)
    endif()
  endif()
endfunction()
