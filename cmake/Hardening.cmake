# Control-flow protection (Intel CET: indirect-branch tracking and shadow
# stack) for the Linux programs, which Debian 12's default flags do not
# ask for. The linker marks a program CET-enabled only when every object
# in it, the C library's start files too, carries the mark.
include(CheckCXXCompilerFlag)
if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  check_cxx_compiler_flag(-fcf-protection=full RADIXEL_HAS_CF_PROTECTION)
  if(RADIXEL_HAS_CF_PROTECTION)
    add_compile_options(-fcf-protection=full)
  endif()
endif()
