# The desktop entry, icon and AppStream metadata, and a Debian package of everything
# `cmake --install` puts in place: `cpack -G DEB` in the build directory.
if(WUZI_BUILD_UI)
  install(FILES ${PROJECT_SOURCE_DIR}/assets/wuzi.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/assets/localhost.wuzi.wuzi.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${PROJECT_SOURCE_DIR}/assets/wuzi.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

set(CPACK_PACKAGE_NAME wuzi)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "wuzi")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Gomoku (five in a row) against the computer, with a Chinese interface")
set(CPACK_PACKAGE_DESCRIPTION
    "Free-style gomoku on a 15x15 board against five computer opponents at three\n"
    "difficulties, with undo, hints, move numbers, coordinates, game review, PSQ game\n"
    "records and the ten-lesson tutorial Vesk十式. Includes pbrain-wuzi, the same\n"
    "engine speaking the Gomocup brain protocol.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGE_CONTACT "wuzi developers <wuzi@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# Library dependencies come from the binaries themselves; Qt's window-system plugins, Qt's
# own translations (its buttons and dialogs in Chinese), Qt Multimedia's back ends (its
# plugins, which play the sounds, come with its library's package) and a font with
# Chinese glyphs are loaded, not linked, so they are named.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, libqt6multimedia6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk")
set(CPACK_GENERATOR DEB)
include(CPack)
