# The version and release date of Radixel, written once: in the top entry
# of debian/changelog, which Debian's tools read anyway. Everything else
# that carries them (the version record, the manifest, the software-centre
# metadata, the installer, the manual pages) is generated from these:
#   RADIXEL_VERSION        four numbers, e.g. 1.2.3.4
#   RADIXEL_RELEASE_DATE   the entry's date, e.g. 2026-12-31
#   RADIXEL_SOURCE_DATE_EPOCH  the time every built file carries, in seconds
#                          since 1970: SOURCE_DATE_EPOCH from the environment
#                          where set, else the entry's date and time
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
   "\n -- [^\n]*  [A-Z][a-z][a-z], ([0-9][0-9]?) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ([0-9][0-9]):([0-9][0-9]):([0-9][0-9]) [+]0000")
  message(FATAL_ERROR "debian/changelog: the top entry has no trailer with a date in UTC (+0000)")
endif()
set(radixel_year ${CMAKE_MATCH_3})
set(radixel_time ${CMAKE_MATCH_4} ${CMAKE_MATCH_5} ${CMAKE_MATCH_6})
set(radixel_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND radixel_months ${CMAKE_MATCH_2} radixel_month)
if(radixel_month LESS 0)
  message(FATAL_ERROR "debian/changelog: unknown month '${CMAKE_MATCH_2}'")
endif()
math(EXPR radixel_month "${radixel_month} + 1")
string(REGEX REPLACE "^0" "" radixel_day ${CMAKE_MATCH_1})
math(EXPR radixel_date "${radixel_year} * 10000 + ${radixel_month} * 100 + ${radixel_day}")
string(REGEX REPLACE "^(....)(..)(..)$" "\\1-\\2-\\3" RADIXEL_RELEASE_DATE ${radixel_date})

if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(RADIXEL_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
  # Days since 1970-01-01 of the proleptic Gregorian date, counted in
  # 400-year eras from a year that starts in March.
  set(y ${radixel_year})
  if(radixel_month LESS_EQUAL 2)
    math(EXPR y "${y} - 1")
    math(EXPR month_from_march "${radixel_month} + 9")
  else()
    math(EXPR month_from_march "${radixel_month} - 3")
  endif()
  math(EXPR era "${y} / 400")
  math(EXPR year_of_era "${y} - ${era} * 400")
  math(EXPR day_of_year "(153 * ${month_from_march} + 2) / 5 + ${radixel_day} - 1")
  math(EXPR days "${era} * 146097 + ${year_of_era} * 365 + ${year_of_era} / 4 - ${year_of_era} / 100 + ${day_of_year} - 719468")
  list(GET radixel_time 0 hours)  # math(EXPR) reads "08" as decimal
  list(GET radixel_time 1 minutes)
  list(GET radixel_time 2 seconds)
  math(EXPR RADIXEL_SOURCE_DATE_EPOCH "${days} * 86400 + ${hours} * 3600 + ${minutes} * 60 + ${seconds}")
endif()


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
