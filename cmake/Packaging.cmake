# What a user installs: the Debian package (`make package`, CPack's DEB
# generator over the install rules) with its metainfo, copyright, changelog
# and manual page. The Windows zip is made by packaging/windows-zip.cmake.
include(GNUInstallDirs)

# Update with the version number in the top-level CMakeLists.txt.
set(PELMO_RELEASE_DATE "2026-12-08")
# The project has no public address of its own yet: the reserved example
# domain stands in until it has, for the homepage and the screenshot.
set(PELMO_HOMEPAGE "https://pelmo-lift.example.org" CACHE STRING
    "Home page named by the package and its metainfo")
set(PELMO_SCREENSHOT_URL "${PELMO_HOMEPAGE}/docs/panel.png" CACHE STRING
    "Address of docs/panel.png, the screenshot software centres show")
set(PELMO_MAINTAINER "Pelmo Lift developers <pelmo-lift@example.org>" CACHE STRING
    "Maintainer named by the package")

set(pkg_dir ${PROJECT_SOURCE_DIR}/packaging)
set(pkg_out ${PROJECT_BINARY_DIR}/packaging)
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/pelmo-lift)

configure_file(${pkg_dir}/org.example.PelmoLift.metainfo.xml.in
    ${pkg_out}/org.example.PelmoLift.metainfo.xml @ONLY)
install(FILES ${pkg_out}/org.example.PelmoLift.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Debian wants the manual page and the changelog compressed, and without a
# time stamp inside so that the package comes out the same each time.
find_program(GZIP gzip REQUIRED)
execute_process(COMMAND date -u -R -d "${PELMO_RELEASE_DATE} 12:00"
    OUTPUT_VARIABLE PELMO_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
    COMMAND_ERROR_IS_FATAL ANY)
configure_file(${pkg_dir}/changelog.in ${pkg_out}/changelog @ONLY)
function(gzip_for_debian src out)
    add_custom_command(OUTPUT ${out} COMMAND ${GZIP} -9 -n -c ${src} > ${out}
        DEPENDS ${src} VERBATIM)
endfunction()
gzip_for_debian(${pkg_out}/changelog ${pkg_out}/changelog.gz)
gzip_for_debian(${pkg_dir}/pelmo-lift.1 ${pkg_out}/pelmo-lift.1.gz)
add_custom_target(package_docs ALL
    DEPENDS ${pkg_out}/changelog.gz ${pkg_out}/pelmo-lift.1.gz)

install(FILES ${pkg_out}/pelmo-lift.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${pkg_dir}/copyright ${pkg_out}/changelog.gz DESTINATION ${doc_dir})

# --- The Debian package ------------------------------------------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pelmo-lift)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${PELMO_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PELMO_HOMEPAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "simulated lift device for an assembly-language training emulator")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Pelmo Lift is a small window that stands beside the emulator: a lift shaft
through six floors with a call button and a lamp at every floor, the inside
of the cabin with a floor digit and a keypad, and the floor code bits.

A press of a call button writes the floor code to the emulated port 155, in
the port file emu_port.dat, and the cabin travels to the floor.

On Linux the port file is written in TMPDIR where it is set, else in the
temporary folder of the user's Wine prefix (WINEPREFIX, else ~/.wine) where
that folder exists, else in /tmp. So an emulator under Wine reads the byte
with no setup, and TMPDIR chooses any other folder.")
# Libraries are found by dpkg-shlibdeps; the labels' face is read at run time,
# and so is Qt's wayland platform, which a Wayland desktop's window needs
# (without it Qt falls back to XWayland, drawn at 1x and enlarged).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wine, qt6-wayland")
include(CPack)
