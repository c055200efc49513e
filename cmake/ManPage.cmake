# Writes and installs a manual page from its .in file, with the version,
# the addresses (cmake/Addresses.cmake) and, where the page says
# @RADIXEL_MAN_MESSAGES_AND_LIMITS@, the MESSAGES and LIMITS sections that
# both programs' pages share (docs/messages-and-limits.roff).
function(radixel_man_page name)
  set(shared ${PROJECT_SOURCE_DIR}/docs/messages-and-limits.roff)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${shared})
  file(READ ${shared} RADIXEL_MAN_MESSAGES_AND_LIMITS)
  configure_file(${name}.in ${CMAKE_CURRENT_BINARY_DIR}/${name} @ONLY)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${name} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
