# The version and release date of Radixel, written once: in the top entry
# of debian/changelog, which Debian's tools read anyway. Everything else
# that carries them (the version record, the manifest, the software-centre
# metadata, the installer, the manual pages) is generated from these:
#   RADIXEL_VERSION        four numbers, e.g. 1.2.3.4
#   RADIXEL_RELEASE_DATE   the entry's date, e.g. 2026-12-31
get_filename_component(radixel_source_dir ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
set(radixel_changelog ${radixel_source_dir}/debian/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${radixel_changelog})
file(READ ${radixel_changelog} radixel_changelog_text)

if(NOT radixel_changelog_text MATCHES "^radixel \\(([0-9]+\\.[0-9]+\\.[0-9]+\\.[0-9]+)\\)")
  message(FATAL_ERROR "debian/changelog: the top entry names no version of four numbers")
endif()
set(RADIXEL_VERSION ${CMAKE_MATCH_1})

# The top entry's trailer: " -- NAME <MAIL>  Mon, 07 Dec 2026 14:00:00 +0000".
if(NOT radixel_changelog_text MATCHES
   "\n -- [^\n]*  [A-Z][a-z][a-z], ([0-9][0-9]?) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) [0-9][0-9]:[0-9][0-9]:[0-9][0-9] [+]0000")
  message(FATAL_ERROR "debian/changelog: the top entry has no trailer with a date in UTC (+0000)")
endif()
set(radixel_year ${CMAKE_MATCH_3})
set(radixel_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND radixel_months ${CMAKE_MATCH_2} radixel_month)
if(radixel_month LESS 0)
  message(FATAL_ERROR "debian/changelog: unknown month '${CMAKE_MATCH_2}'")
endif()
math(EXPR radixel_month "${radixel_month} + 1")
string(REGEX REPLACE "^0" "" radixel_day ${CMAKE_MATCH_1})
math(EXPR radixel_date "${radixel_year} * 10000 + ${radixel_month} * 100 + ${radixel_day}")
string(REGEX REPLACE "^(....)(..)(..)$" "\\1-\\2-\\3" RADIXEL_RELEASE_DATE ${radixel_date})


# Writes OUT_DIR/res/version.h: the version as the resource tables need it,
# and the mail address the Help box names (cmake/Addresses.cmake, which must
# be included too).
function(radixel_version_header out_dir)
  if(NOT RADIXEL_MAIL)
    message(FATAL_ERROR "radixel_version_header: include cmake/Addresses.cmake first")
  endif()
  string(REPLACE "." ";" parts ${RADIXEL_VERSION})
  string(REPLACE ";" ", " RADIXEL_VERSION_PARTS "${parts}")
  configure_file(${radixel_source_dir}/res/version.h.in ${out_dir}/res/version.h @ONLY)
endfunction()
