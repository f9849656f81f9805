# What `cmake --install` puts under the prefix, and the Debian package built
# from it by cpack. Versions come from project() alone.
include(GNUInstallDirs)

set(VELLMOR_APP_ID "org.vellmor.vellmor")
# Date of the release that project() names; shown by software centres.
set(VELLMOR_RELEASE_DATE "2026-12-10")
set(VELLMOR_HOMEPAGE_URL "https://vellmor.org/" CACHE STRING "Home page named in the AppStream file")
set(VELLMOR_SCREENSHOT_URL "https://vellmor.org/screenshots" CACHE STRING
  "Web folder holding the screenshots of docs/ that the AppStream file names")

install(TARGETS vellmor vellmor-toki RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The sound player looks in <program folder>/../share/vellmor/sounds before
# its built-in copies, so these can be replaced by the user's own.
install(FILES
  ${PROJECT_SOURCE_DIR}/resources/sounds/Gooohn.wav
  ${PROJECT_SOURCE_DIR}/resources/sounds/pipi.wav
  DESTINATION ${CMAKE_INSTALL_DATADIR}/vellmor/sounds)

# Each size also at twice its pixels, in the theme's folder for screens at a
# scale of 2 (hicolor's NxN@2).
foreach(size 16 32 48 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/vellmor-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME vellmor.png)
  install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/vellmor-${size}@2x.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}@2/apps
    RENAME vellmor.png)
endforeach()

install(FILES ${PROJECT_SOURCE_DIR}/data/${VELLMOR_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

configure_file(${PROJECT_SOURCE_DIR}/data/${VELLMOR_APP_ID}.metainfo.xml.in
  ${PROJECT_BINARY_DIR}/data/${VELLMOR_APP_ID}.metainfo.xml @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/data/${VELLMOR_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# `cpack -G DEB` in the build folder: vellmor_<version>_<arch>.deb.
set(CPACK_PACKAGE_NAME vellmor)
set(CPACK_PACKAGE_VENDOR "Vellmor developers")
set(CPACK_PACKAGE_CONTACT "Vellmor developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Clock of the traditional Japanese temporal hours")
set(CPACK_PACKAGE_DESCRIPTION "Beside the clock time it shows the current toki, the temporal hour \
named by its temple-bell count and its twelve-branch sign, computed each day from the sun for \
your place, and strikes a temple bell at each toki. vellmor-toki prints a day's toki table.")
set(CPACK_PACKAGE_HOMEPAGE_URL ${VELLMOR_HOMEPAGE_URL})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# SDL2 is loaded when the first sound is due, and libayatana-appindicator
# when the panel item is first wanted, not linked: the linked libraries
# alone do not name them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libsdl2-2.0-0, libayatana-appindicator3-1")
# Faces the window asks for: IPA P Gothic for Japanese text, Liberation Serif
# for "Times New Roman".
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic, fonts-liberation")
include(CPack)
