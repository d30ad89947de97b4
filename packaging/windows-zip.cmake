# Packs the Windows program and its README.txt (with Windows line endings)
# into pelmo-lift-<version>-windows.zip, the version being the project's own.
#
#   cmake -DEXE=build-win/pelmo-lift.exe [-DOUT_DIR=build-win] -P packaging/windows-zip.cmake
if(NOT EXE OR NOT EXISTS "${EXE}")
    message(FATAL_ERROR "No Windows program at '${EXE}': run make windows first")
endif()
get_filename_component(exe_dir "${EXE}" DIRECTORY)
if(NOT OUT_DIR)
    set(OUT_DIR "${exe_dir}")
endif()

# The one version number, from project() in the top-level CMakeLists.txt.
file(STRINGS "${CMAKE_CURRENT_LIST_DIR}/../CMakeLists.txt" project_line
    REGEX "^project\\(PelmoLift VERSION [0-9.]+")
string(REGEX MATCH "VERSION ([0-9.]+)" _ "${project_line}")
set(PELMO_VERSION "${CMAKE_MATCH_1}")
if(NOT PELMO_VERSION)
    message(FATAL_ERROR "No version in project() of the top-level CMakeLists.txt")
endif()

get_filename_component(OUT_DIR "${OUT_DIR}" ABSOLUTE)
set(stage "${OUT_DIR}/zip-stage")
file(REMOVE_RECURSE "${stage}")
file(MAKE_DIRECTORY "${stage}")
file(COPY_FILE "${EXE}" "${stage}/pelmo-lift.exe")
configure_file("${CMAKE_CURRENT_LIST_DIR}/README.txt" "${stage}/README.txt"
    @ONLY NEWLINE_STYLE CRLF)

set(zip "${OUT_DIR}/pelmo-lift-${PELMO_VERSION}-windows.zip")
file(REMOVE "${zip}")
# Relative names inside the archive: the two files unpack side by side.
execute_process(
    COMMAND "${CMAKE_COMMAND}" -E tar cf "${zip}" --format=zip pelmo-lift.exe README.txt
    WORKING_DIRECTORY "${stage}"
    COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE_RECURSE "${stage}")
message(STATUS "Windows package: ${zip}")
