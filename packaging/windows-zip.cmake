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

# The same zip from the same commit, byte for byte: the members in a fixed
# order, with fixed modes, the time of the last commit (SOURCE_DATE_EPOCH) in
# UTC, and no owners or extra time fields (zip -X).
set(epoch "$ENV{SOURCE_DATE_EPOCH}")
if(NOT epoch MATCHES "^[0-9]+$")
    message(FATAL_ERROR "SOURCE_DATE_EPOCH is not set: make windows-package sets it")
endif()
find_program(ZIP zip REQUIRED)
file(CHMOD "${stage}/pelmo-lift.exe" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
file(CHMOD "${stage}/README.txt" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
set(zip "${OUT_DIR}/pelmo-lift-${PELMO_VERSION}-windows.zip")
file(REMOVE "${zip}")
# Relative names inside the archive: the two files unpack side by side.
execute_process(
    COMMAND touch -d "@${epoch}" pelmo-lift.exe README.txt
    COMMAND_ERROR_IS_FATAL ANY
    WORKING_DIRECTORY "${stage}")
execute_process(
    COMMAND "${CMAKE_COMMAND}" -E env TZ=UTC "${ZIP}" -X -D -q "${zip}" pelmo-lift.exe README.txt
    WORKING_DIRECTORY "${stage}"
    COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE_RECURSE "${stage}")
message(STATUS "Windows package: ${zip}")
