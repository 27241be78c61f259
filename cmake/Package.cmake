# `cpack -G DEB` in the build folder makes the Debian package of what Install.cmake installs.
# dpkg-shlibdeps works out the packages of the shared libraries the programs link; only what
# they load at run time without linking it is named here: Qt's platform plugins and the
# GStreamer elements the camera road uses.
set(CPACK_PACKAGE_NAME quenvalor)
set(CPACK_PACKAGE_VENDOR "Quenvalor developers")
set(CPACK_PACKAGE_CONTACT "Quenvalor developers <quenvalor@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Webcam studio: live preview, recordings, snapshots and effects")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")
# Qt's own texts (its standard dialogs, key names) in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
