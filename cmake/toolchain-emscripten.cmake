# Emscripten's own CMake toolchain, found beside the emcc on the PATH (the
# distribution's package or an SDK alike).
find_program(RADIXEL_EMCC emcc REQUIRED)
file(REAL_PATH ${RADIXEL_EMCC} emcc_real)
get_filename_component(emscripten_root ${emcc_real} DIRECTORY)
include(${emscripten_root}/cmake/Modules/Platform/Emscripten.cmake)

# Emscripten's JavaScript optimiser needs the acorn parser; the
# distribution's node-acorn puts it where a newer node than the
# distribution's own does not look, so the link step is told.
find_path(RADIXEL_NODE_MODULES acorn/package.json PATHS /usr/share/nodejs /usr/lib/nodejs
          NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(RADIXEL_NODE_MODULES)
  set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=${RADIXEL_NODE_MODULES})
endif()
