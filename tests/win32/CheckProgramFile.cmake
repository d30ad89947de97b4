# Checks the shipped program file: at most 1 MiB, and importing only DLLs that
# every Windows from 7 on has (no mingw runtime, no C++ library DLL).
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
