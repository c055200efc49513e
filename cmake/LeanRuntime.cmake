# The Windows program's code carries no exception or type-information
# runtime: nothing in it throws or asks a type at run time, and the C++
# library's exception support (its personality routine, the unwinder and
# the unwind tables) would be a third of radixel.exe. Memory running out
# ends the program at once (systems/win32/app/abort_on_no_memory.cpp), as an
# exception nobody catches would.
function(radixel_lean_runtime target)
  if(WIN32)
    target_compile_options(${target} PRIVATE
      -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables -fno-unwind-tables)
  endif()
endfunction()
