# Installation and packaging rules.

include(GNUInstallDirs)

set(OMBRANA_APP_ID org.ombrana.Ombrana)
install(FILES packaging/${OMBRANA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/${OMBRANA_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES packaging/${OMBRANA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# A Debian package of the installed files.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ombrana)
set(CPACK_PACKAGE_VENDOR "Ombrana")
set(CPACK_PACKAGE_CONTACT "Gruppo di sviluppo di Ombrana")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Progetto di filtri LC per radioamatori")
set(CPACK_PACKAGE_DESCRIPTION "Progetta celle di filtri LC passa basso e passa alto, a pi-greco e a T, \
ricalcola l'induttanza per il condensatore commerciale, calcola bobine in aria e spire su toroide; \
con calcolatrice e istruzioni.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Gruppo di sviluppo di Ombrana")
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the program and its printing module link, with the versions
# their symbols need, as dpkg-shlibdeps reads them; by hand where it is
# missing. Then what no library names: Qt's platform plugins, its Italian
# texts and the fonts the windows are drawn in.
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(ombrana_library_depends "")
else()
  set(ombrana_library_depends
      "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6printsupport6 (>= 6.4), libc6, libstdc++6, ")
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "${ombrana_library_depends}qt6-qpa-plugins, qt6-translations-l10n, fonts-liberation, fonts-comic-neue")
include(CPack)

# The desktop entry and the metainfo must pass their validators, and an
# install must lay every file where desktops look for it.
if(OMBRANA_BUILD_TESTS)
  find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
  if(DESKTOP_FILE_VALIDATE)
    add_test(NAME packaging_desktop_entry
             COMMAND ${DESKTOP_FILE_VALIDATE} ${PROJECT_SOURCE_DIR}/packaging/${OMBRANA_APP_ID}.desktop)
    set_tests_properties(packaging_desktop_entry PROPERTIES FAIL_REGULAR_EXPRESSION "error:")
  endif()
  find_program(APPSTREAMCLI appstreamcli)
  if(APPSTREAMCLI)
    add_test(NAME packaging_metainfo
             COMMAND ${APPSTREAMCLI} validate --no-net ${PROJECT_SOURCE_DIR}/packaging/${OMBRANA_APP_ID}.metainfo.xml)
  endif()
  add_test(NAME packaging_install
           COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${CMAKE_BINARY_DIR} -DPREFIX=${CMAKE_BINARY_DIR}/install-check
                   -DAPP_ID=${OMBRANA_APP_ID}
                   -DMODULE=${OMBRANA_MODULE_INSTALL_DIR}/$<TARGET_FILE_NAME:ombrana_printer>
                   -DFROM_PROGRAM=${OMBRANA_MODULE_FROM_PROGRAM}
                   -P ${PROJECT_SOURCE_DIR}/packaging/check-install.cmake)
endif()
