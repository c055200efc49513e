# A Debian package of the installed programs (the desktop program with its
# desktop entry and icons, and radixel-cli):  cpack -G DEB  in a build tree.
set(CPACK_PACKAGE_NAME radixel)
set(CPACK_PACKAGE_VENDOR "The Radixel developers")
set(CPACK_PACKAGE_CONTACT "The Radixel developers <radixel@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "A small desktop utility for programmers: type a number, pick one of six "
       "conversions between hexadecimal, decimal and binary, and press OK. "
       "radixel-cli runs the same conversions from a terminal and from scripts.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the programs link (Qt 6 and its dependencies) become the
# package's dependencies.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
include(CPack)
