# cmake -DEXE=radixel.exe -DOBJDUMP=objdump [-DHARDENING_ONLY=ON] -P check_executable.cmake
# Checks a shipped Windows program from outside: the hardening marks every
# program carries (ASLR, no executable data, terminal-server aware) and,
# unless HARDENING_ONLY is set (radixel-cli.exe), that it is a stripped GUI program of
# at most 256 KiB that imports only the system's own libraries, holding
# exactly the program's resources as a resource viewer lists them, with an
# application manifest that is XML and asks for the version 6 common
# controls and DPI awareness.
cmake_policy(VERSION 3.25)
set(failures "")

execute_process(COMMAND "${OBJDUMP}" -p "${EXE}" OUTPUT_VARIABLE headers RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "objdump failed on ${EXE}")
endif()
foreach(mark DYNAMIC_BASE NX_COMPAT TERMINAL_SERVICE_AWARE)
  if(NOT headers MATCHES "DllCharacteristics[^\n]*\n([ \t]+[A-Z_]+\n)*[ \t]+${mark}\n")
    list(APPEND failures "DllCharacteristics lacks ${mark}")
  endif()
endforeach()
if(HARDENING_ONLY)
  if(failures)
    list(JOIN failures "\n  " text)
    message(FATAL_ERROR "${EXE}:\n  ${text}")
  endif()
  return()
endif()

file(SIZE "${EXE}" size)
message(STATUS "radixel.exe: ${size} bytes")
if(size GREATER 262144)
  list(APPEND failures "larger than 256 KiB: ${size} bytes")
endif()

if(NOT headers MATCHES "Subsystem[ \t]+00000002")
  list(APPEND failures "not a GUI-subsystem program")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
set(system_libraries KERNEL32.dll USER32.dll GDI32.dll msvcrt.dll ADVAPI32.dll COMCTL32.DLL)
foreach(line IN LISTS imports)
  string(REPLACE "DLL Name: " "" dll "${line}")
  message(STATUS "imports ${dll}")
  if(NOT dll IN_LIST system_libraries)
    list(APPEND failures "imports ${dll}, which is not a system library")
  endif()
endforeach()

execute_process(COMMAND "${OBJDUMP}" -t "${EXE}" OUTPUT_VARIABLE symbols)
if(symbols MATCHES "\\[ *[0-9]+\\]\\(sec")
  list(APPEND failures "not stripped: it carries a symbol table")
endif()

find_program(WRESTOOL wrestool)
if(WRESTOOL)
  execute_process(COMMAND "${WRESTOOL}" -l "${EXE}" OUTPUT_VARIABLE listing)
  string(REGEX MATCHALL "--type=[0-9]+ --name=[0-9]+ --language=[0-9]+" listed "${listing}")
  set(expected
    "--type=3 --name=1 --language=1033" "--type=3 --name=2 --language=1033"
    "--type=3 --name=3 --language=1033"
    "--type=4 --name=129 --language=1033"
    "--type=5 --name=100 --language=1033" "--type=5 --name=102 --language=1033"
    "--type=5 --name=130 --language=1033" "--type=5 --name=131 --language=1033"
    "--type=6 --name=7 --language=1033"
    "--type=14 --name=128 --language=1033"
    "--type=16 --name=1 --language=1033"
    "--type=24 --name=1 --language=1033")
  if(NOT listed STREQUAL expected)
    list(APPEND failures "resources listed by wrestool: ${listed}")
  endif()

  set(manifest_file "${EXE}.manifest.xml")
  execute_process(COMMAND "${WRESTOOL}" -x --raw --type=24 --name=1 "${EXE}" OUTPUT_FILE "${manifest_file}")
  file(READ "${manifest_file}" manifest)
  find_program(XMLLINT xmllint)
  if(NOT XMLLINT)
    list(APPEND failures "xmllint (Debian's libxml2-utils) is missing")
  else()
    execute_process(COMMAND "${XMLLINT}" --noout "${manifest_file}" RESULT_VARIABLE rc ERROR_VARIABLE xml_errors)
    if(NOT rc EQUAL 0)
      list(APPEND failures "the manifest is not well-formed XML: ${xml_errors}")
    endif()
  endif()
  string(REGEX MATCH "name=\"Microsoft\.Windows\.Common-Controls\" version=\"6\.0\.0\.0\""
         common_controls "${manifest}")
  if(NOT common_controls)
    list(APPEND failures "the manifest does not ask for the version 6 common controls")
  endif()
  if(NOT manifest MATCHES "<dpiAware[^>]*>true" OR NOT manifest MATCHES "<dpiAwareness[^>]*>PerMonitorV2")
    list(APPEND failures "the manifest does not declare DPI awareness")
  endif()
else()
  list(APPEND failures "wrestool (Debian's icoutils) is missing")
endif()

if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "radixel.exe:\n  ${text}")
endif()
