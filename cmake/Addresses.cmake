# Where Radixel is found on the web and by mail, written once. The project
# has no public home yet, so its addresses stay under example.org, the
# domain kept for documentation. Every built file that names one (the Help
# box, the manual pages, the user README, the software-centre metadata,
# the Windows installer's uninstall entry) is generated from these, so one
# edit here moves them all. Debian's own files (control, copyright and the
# changelog's trailer) are read by dpkg as they stand and name the mail
# address themselves: configuring stops when one of them names another.
set(RADIXEL_HOMEPAGE "https://radixel.example.org/")
set(RADIXEL_MAIL "radixel@example.org")

set(RADIXEL_BUGTRACKER_URL "${RADIXEL_HOMEPAGE}issues")
set(RADIXEL_HELP_URL "${RADIXEL_HOMEPAGE}help")
set(RADIXEL_CONTACT_URL "${RADIXEL_HOMEPAGE}contact")
set(RADIXEL_SCREENSHOTS_URL "${RADIXEL_HOMEPAGE}docs/screenshots/")

foreach(radixel_debian_file control copyright changelog)
  set(radixel_path ${CMAKE_CURRENT_LIST_DIR}/../debian/${radixel_debian_file})
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${radixel_path})
  file(READ ${radixel_path} radixel_text)
  string(FIND "${radixel_text}" "<${RADIXEL_MAIL}>" radixel_at)
  if(radixel_at LESS 0)
    message(FATAL_ERROR "debian/${radixel_debian_file} does not name ${RADIXEL_MAIL} "
                        "(cmake/Addresses.cmake): write the same address in both")
  endif()
endforeach()
