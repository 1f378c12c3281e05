# The Debian package of what Install.cmake installs: `cd build && cpack -G DEB` writes
# brewdial_<version>_<arch>.deb. Its library dependencies are found by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brewdial)
set(CPACK_PACKAGE_VENDOR "the Brewdial authors")
set(CPACK_PACKAGE_CONTACT "Brewdial developers <dev@brewdial.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tray timer with alarm, countdown and stopwatch")
set(CPACK_PACKAGE_DESCRIPTION [[
Brewdial is a small desktop timer that lives in the system tray. It offers an
alarm at a time of day, a countdown of whole minutes with three quick timers in
the tray menu, and a stopwatch. A running countdown shows in the tray, in a
small always-on-top LED-Timer window and in an OpenGL 3D-Timer window; at the
alarm Brewdial plays a WAV file and shows a message.]])
# The changelog Debian asks of every package, its entry dated by the release.
configure_file(${dist_source}/changelog.in ${dist_build}/changelog @ONLY)
brewdial_compressed(changelog)
install(FILES ${dist_build}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/brewdial)

set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Opened at run time (libGL.so.1 by the OpenGL library check, libXrandr for display modes),
# where dpkg-shlibdeps cannot see them; the found dependencies, GLU among them, are added to
# this list, so it names none of those.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libgl1, libxrandr2")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${BREWDIAL_HOMEPAGE})

include(CPack)
