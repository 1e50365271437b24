# Where an installed Vantor puts its files, and the Debian package that carries them.
include(GNUInstallDirs)

install(TARGETS vantor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The shipped star catalogue: the catalogue commands fall back to it when the current folder
# holds no "vantor.csv".
install(FILES ${PROJECT_SOURCE_DIR}/data/vantor.csv
    DESTINATION ${CMAKE_INSTALL_DATADIR}/vantor)
install(FILES ${PROJECT_SOURCE_DIR}/data/README.md ${PROJECT_SOURCE_DIR}/data/bright-stars.SOURCE.md
    DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/vantor.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/vantor.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo RENAME org.vantor.Vantor.metainfo.xml)
foreach(size 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/assets/icon${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME vantor.png)
endforeach()

set(CPACK_PACKAGE_NAME vantor)
set(CPACK_PACKAGE_VENDOR "The Vantor authors")
set(CPACK_PACKAGE_CONTACT "The Vantor authors <vantor@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Teaching model of planetary motion in three world models")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Teaching model of planetary motion\n The Sun, the Earth, an inferior and a superior planet in a plan view and a\n longitude-latitude strip of the sky where retrograde loops build up as time runs,\n under the heliocentric, geocentric and Tychonic world models.")
include(CPack)
