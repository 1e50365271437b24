# Where an installed Vantor puts its files, and the Debian package that carries them.
include(GNUInstallDirs)

# Debian wants the package's documents under its own, lower-case name.
set(vantor_docdir ${CMAKE_INSTALL_DATADIR}/doc/vantor)
set(VANTOR_MAINTAINER "The Vantor developers <vantor@example.org>"
    CACHE STRING "Maintainer of the Debian package, as \"Name <address>\"")

# The documents and the manual page are installed compressed, as Debian wants them (gzip -9,
# without a name or time stamp, so that the same sources give the same package).
set(vantor_packaging ${CMAKE_BINARY_DIR}/packaging)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${vantor_packaging}/changelog @ONLY)
function(vantor_gzip source target)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
    execute_process(COMMAND gzip -9 -n -c ${source} OUTPUT_FILE ${target}
        COMMAND_ERROR_IS_FATAL ANY)
endfunction()
vantor_gzip(${vantor_packaging}/changelog ${vantor_packaging}/changelog.gz)
vantor_gzip(${PROJECT_SOURCE_DIR}/packaging/vantor.1 ${vantor_packaging}/vantor.1.gz)

# The copyright file in Debian's machine-readable format: packaging/copyright followed by the
# font licence of data/fonts/OFL.txt as its last licence paragraph (each line indented by one
# space, an empty line written as " .").
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/packaging/copyright ${PROJECT_SOURCE_DIR}/data/fonts/OFL.txt)
file(READ ${PROJECT_SOURCE_DIR}/packaging/copyright vantor_copyright)
file(READ ${PROJECT_SOURCE_DIR}/data/fonts/OFL.txt vantor_ofl)
string(REGEX REPLACE "^[^\n]*\n\n[^\n]*\n[^\n]*\n\n" "" vantor_ofl "${vantor_ofl}")
string(REGEX REPLACE "\n+$" "" vantor_ofl "${vantor_ofl}")
string(REPLACE "\n\n" "\n.\n" vantor_ofl "${vantor_ofl}")
string(REPLACE "\n" "\n " vantor_ofl "${vantor_ofl}")
file(WRITE ${vantor_packaging}/copyright "${vantor_copyright}\nLicense: OFL-1.1\n ${vantor_ofl}\n")

install(TARGETS vantor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripped install (the package's) also drops the compiler's notes, as Debian's own tools do.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/vantor\"
            COMMAND_ERROR_IS_FATAL ANY)
    endif()")
# The shipped star catalogue: the catalogue commands fall back to it when the current folder
# holds no "vantor.csv".
install(FILES ${PROJECT_SOURCE_DIR}/data/vantor.csv
    DESTINATION ${CMAKE_INSTALL_DATADIR}/vantor)
install(FILES ${PROJECT_SOURCE_DIR}/data/README.md ${PROJECT_SOURCE_DIR}/data/bright-stars.SOURCE.md
    ${vantor_packaging}/copyright ${vantor_packaging}/changelog.gz
    DESTINATION ${vantor_docdir})
install(FILES ${vantor_packaging}/vantor.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
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
set(CPACK_PACKAGE_VENDOR "The Vantor developers")
set(CPACK_PACKAGE_CONTACT "${VANTOR_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Teaching model of planetary motion in three world models")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
# The long description below the summary line; CPack indents each line by one column, and Debian
# wants each within 80 columns.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "The Sun, the Earth, an inferior and a superior planet in a plan view and in a
longitude-latitude strip of the sky, where the planets' retrograde loops build
up as time runs, under the heliocentric, geocentric and Tychonic world models.")
include(CPack)
