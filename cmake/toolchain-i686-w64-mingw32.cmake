# Cross-compiles for 32-bit Windows (i686) with the mingw-w64 toolchain
# (Debian's g++-mingw-w64-i686). Test programs run through Wine
# (systems/win32/tools/win32-wine.sh).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(RADIXEL_MINGW_PREFIX i686-w64-mingw32)
# The "win32" threading flavour: no threading library in the program (the
# POSIX flavour's winpthreads would add a tenth to its size).
set(CMAKE_C_COMPILER ${RADIXEL_MINGW_PREFIX}-gcc-win32)
set(CMAKE_CXX_COMPILER ${RADIXEL_MINGW_PREFIX}-g++-win32)
set(CMAKE_RC_COMPILER ${RADIXEL_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${RADIXEL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Double precision for every floating operation: SSE2 arithmetic instead of
# the x87 unit, whose 64-bit mantissa would round large sums differently
# from every other platform.
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
set(CMAKE_C_FLAGS_INIT "-msse2 -mfpmath=sse")
# No runtime DLLs beside the system's own.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Windows programs built here run under Wine, in a Wine prefix of the build tree.
get_filename_component(RADIXEL_WINE_RUNNER ${CMAKE_CURRENT_LIST_DIR}/../systems/win32/tools/win32-wine.sh ABSOLUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${RADIXEL_WINE_RUNNER} --prefix ${CMAKE_BINARY_DIR}/wine-prefix)
