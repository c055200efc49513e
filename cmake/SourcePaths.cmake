# With RADIXEL_MAP_SOURCE_PATH on (the Debian package's build), the source
# folder is written as "." in the debug information and wherever a file's
# name is compiled in, so that the same sources built in another folder
# give the same files. dpkg-buildflags passes such a mapping itself only
# where the folder's path has no space or other unusual character.
option(RADIXEL_MAP_SOURCE_PATH "Write the source folder as . into the built files" OFF)
if(RADIXEL_MAP_SOURCE_PATH)
  # Also at link time: with link-time optimisation the debug information
  # is written there.
  add_compile_options("-ffile-prefix-map=${CMAKE_SOURCE_DIR}=.")
  add_link_options("-ffile-prefix-map=${CMAKE_SOURCE_DIR}=.")
endif()
