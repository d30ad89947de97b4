# Settings of the Windows build (mingw-w64, run under Wine).

# Every program is one self-contained .exe: no mingw DLLs beside it.
add_link_options(-static)
# No link time in the PE header: the same commit links to the same file.
add_link_options(-Wl,--no-insert-timestamp)

if(BUILD_TESTING)
    # GoogleTest built for Windows from the sources Debian ships.
    set(GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources to build with")
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    add_subdirectory(${GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    # GoogleTest's own sources do not build warning-free with our flags.
    foreach(target gtest gtest_main)
        target_compile_options(${target} PRIVATE -w)
    endforeach()

    # Every test program runs as one test: listing and running each case in a
    # Wine process of its own would take minutes.
    function(gtest_discover_tests target)
        add_test(NAME ${target} COMMAND ${target})
    endfunction()
endif()
