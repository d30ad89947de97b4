# Checks the shipped program file: at most 1 MiB, and importing only DLLs that
# every Windows from 7 on has (no mingw runtime, no C++ library DLL), and from
# them only the functions of windows7-imports.txt; its manifest declares
# per-monitor awareness and Windows 7 to 11, and no common controls 6.
#   cmake -DPROGRAM=pelmo-lift.exe -DOBJDUMP=x86_64-w64-mingw32-objdump -P CheckProgramFile.cmake
cmake_minimum_required(VERSION 3.25)
set(allowed gdi32.dll kernel32.dll msimg32.dll msvcrt.dll ole32.dll oleaut32.dll user32.dll
    winmm.dll)
set(max_bytes 1048576)

file(SIZE ${PROGRAM} bytes)
message(STATUS "${PROGRAM}: ${bytes} bytes")
if(bytes GREATER max_bytes)
    message(FATAL_ERROR "the program file is ${bytes} bytes, more than ${max_bytes}")
endif()

execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM} OUTPUT_VARIABLE headers RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "${OBJDUMP} could not read ${PROGRAM}")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
if(NOT imports)
    message(FATAL_ERROR "no import table found in ${PROGRAM}")
endif()
foreach(line IN LISTS imports)
    string(REPLACE "DLL Name: " "" dll "${line}")
    string(STRIP "${dll}" dll)
    string(TOLOWER "${dll}" dll)
    message(STATUS "imports ${dll}")
    if(NOT dll IN_LIST allowed)
        message(FATAL_ERROR "${PROGRAM} imports ${dll}, which not every Windows has")
    endif()
endforeach()

# Each imported function: objdump lists them under their DLL's name, one to a
# line that starts with its address. Binutils up to 2.40 print "address hint
# name" with a decimal hint; later ones "address ordinal hint name", with
# "<none>" for the ordinal and a hex hint. Either is read; an entry of any
# other form (an import by ordinal, a format not seen before) fails the check
# rather than going uncounted.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/windows7-imports.txt windows7 REGEX "^[^#]")
string(REPLACE "\n" ";" lines "${headers}")
set(dll "")
set(count 0)
set(unknown "")
set(unreadable "")
foreach(line IN LISTS lines)
    if(line MATCHES "DLL Name: ([^ \t]+)")
        string(TOLOWER "${CMAKE_MATCH_1}" dll)
    elseif(dll AND line MATCHES
           "^\t[0-9a-f]+[ \t]+(<none>[ \t]+)?[0-9a-f]+[ \t]+([A-Za-z_][A-Za-z0-9_@]*)$")
        math(EXPR count "${count} + 1")
        if(NOT "${dll} ${CMAKE_MATCH_2}" IN_LIST windows7)
            list(APPEND unknown "${dll} ${CMAKE_MATCH_2}")
        endif()
    elseif(dll AND line MATCHES "^\t[0-9a-f]+[ \t]")
        string(STRIP "${line}" line)
        list(APPEND unreadable "${dll}: ${line}")
    elseif(line STREQUAL "")
        set(dll "")
    endif()
endforeach()
if(unreadable)
    list(JOIN unreadable "; " unreadable)
    message(FATAL_ERROR "imports of ${PROGRAM} not by name, or not read: ${unreadable}")
endif()
message(STATUS "${count} imported functions")
if(count EQUAL 0)
    message(FATAL_ERROR "no imported functions found in ${PROGRAM}")
endif()
if(unknown)
    list(JOIN unknown ", " unknown)
    message(FATAL_ERROR "${PROGRAM} imports functions not known to be in Windows 7: ${unknown}")
endif()

# The manifest, embedded as text.
file(STRINGS ${PROGRAM} manifest REGEX "dpiAware|supportedOS|Common-Controls")
foreach(wanted
        "<dpiAwareness xmlns=\"http://schemas.microsoft.com/SMI/2016/WindowsSettings\">PerMonitorV2, PerMonitor</dpiAwareness>"
        "<dpiAware xmlns=\"http://schemas.microsoft.com/SMI/2005/WindowsSettings\">true/pm</dpiAware>"
        "35138b9a-5d96-4fbd-8e2d-a2440225f93a" # Windows 7
        "4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38" # 8
        "1f676c76-80e1-4239-95bb-83d0f6d0da78" # 8.1
        "8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a") # 10 and 11
    string(FIND "${manifest}" "${wanted}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the manifest of ${PROGRAM} lacks ${wanted}")
    endif()
endforeach()
string(FIND "${manifest}" "Common-Controls" at)
if(NOT at EQUAL -1)
    message(FATAL_ERROR "the manifest of ${PROGRAM} asks for common controls 6")
endif()
message(STATUS "manifest: per-monitor aware, Windows 7 to 11")
