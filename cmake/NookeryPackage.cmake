# The Debian package (scripts/package): `cpack` in a build folder writes
# nookery_<version>-1_<arch>.deb there, its library dependencies found by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME nookery)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Nookery developers <nookery@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sticky notes, reminders, timers, calendar and conversions")
set(CPACK_PACKAGE_DESCRIPTION "A desktop utility suite in the system tray, or in a small strip
window on a desktop without a tray. Its menu opens ten tabbed rich-text sticky
notes, reminders, two countdown timers and two stopwatches, a full-screen
countdown, ten countdowns to a date, a calendar, conversion tables and a list
of programs to start.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's platform plugins are not libraries the binary links: X11 always, Wayland when chosen.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
