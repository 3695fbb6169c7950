# SPDX-License-Identifier: GPL-3.0-or-later
# Installing the programs like a desktop game (folders in cmake/InstallDirs.cmake):
#
#   games/ruvo, games/ruvo-cli
#   share/ruvo/                      ruvo.cfg (the default settings), the sounds, ruvo.htm
#   share/applications/ruvo.desktop  the menu entry, opening .ruv files
#   share/mime/packages/ruvo.xml     the file type of saved games (.ruv)
#   share/metainfo/...metainfo.xml   the AppStream description
#   share/icons/hicolor/scalable/apps/ruvo.svg
#   share/man/man6/ruvo.6, ruvo-cli.6
#
# cmake --install build [--prefix DIR] installs (DIR is /usr/local by default); the Debian
# package (scripts/package.sh) installs the same tree under /usr.
option(RUVO_INSTALL_LICENSE "Install LICENSE and README.md into the documentation folder" ON)

if(TARGET ruvo)
    install(TARGETS ruvo RUNTIME DESTINATION ${RUVO_INSTALL_BINDIR})
endif()
install(TARGETS ruvo-cli RUNTIME DESTINATION ${RUVO_INSTALL_BINDIR})

file(GLOB RUVO_INSTALL_SOUNDS CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/data/sounds/*.wav ${CMAKE_SOURCE_DIR}/data/sounds/*.Wav)
install(FILES ${CMAKE_SOURCE_DIR}/data/ruvo.cfg ${CMAKE_SOURCE_DIR}/data/ruvo.htm
    ${RUVO_INSTALL_SOUNDS} DESTINATION ${RUVO_INSTALL_DATADIR})
install(FILES ${CMAKE_SOURCE_DIR}/data/ruvo.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/ruvo-mime.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME ruvo.xml)
install(FILES ${CMAKE_SOURCE_DIR}/data/example.c_seed_afbc8c9f.Ruvo.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/data/icons/ruvo.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(page ruvo.6 ruvo-cli.6)
    configure_file(${CMAKE_SOURCE_DIR}/data/man/${page}.in ${CMAKE_BINARY_DIR}/man/${page} @ONLY)
    install(FILES ${CMAKE_BINARY_DIR}/man/${page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
endforeach()
if(RUVO_INSTALL_LICENSE)
    install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/LICENSE
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()
