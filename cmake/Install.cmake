# SPDX-License-Identifier: GPL-3.0-or-later
# Installing the programs like a desktop program, and the Debian package built from that.
# Included from the top-level CMakeLists after cmake/Window.cmake.
#
#   lib/ruvo/               ruvo, ruvo-cli and what they look for in their own folder: the
#                           sounds, the help page ruvo.htm, and (for ruvo-cli) ruvo.cfg
#   bin/ruvo, bin/ruvo-cli  links to the programs
#   share/ruvo/ruvo.cfg     the default settings; the window program reads ruvo.cfg from the
#                           folder it is started in and names this folder when it is missing
#   share/applications/ruvo.desktop, share/icons/hicolor/scalable/apps/ruvo.svg
#
# cmake --install build [--prefix DIR] installs; cpack -G DEB (or the target package) builds
# the package ruvo_<version>_<arch>.deb, installing under /usr.

if(TARGET ruvo)
    include(GNUInstallDirs)

    set(RUVO_INSTALL_PROGRAM_DIR lib/ruvo)
    set(RUVO_INSTALL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/ruvo)

    # Paths between installed folders, relative so that the installed tree works under any
    # prefix (cmake --install --prefix, the package's /usr).
    function(ruvo_relative_path out from to)
        foreach(var from to)
            if(NOT IS_ABSOLUTE "${${var}}")
                set(${var} "${CMAKE_INSTALL_PREFIX}/${${var}}")
            endif()
        endforeach()
        file(RELATIVE_PATH relative "${from}" "${to}")
        set(${out} "${relative}" PARENT_SCOPE)
    endfunction()

    # The window program finds the default settings folder from its own folder.
    ruvo_relative_path(RUVO_SETTINGS_FROM_PROGRAM ${RUVO_INSTALL_PROGRAM_DIR}
        ${RUVO_INSTALL_DATA_DIR})
    target_compile_definitions(ruvo_ui PRIVATE
        RUVO_SETTINGS_FROM_PROGRAM="${RUVO_SETTINGS_FROM_PROGRAM}")

    # The programs and the files beside them.
    install(TARGETS ruvo RUNTIME DESTINATION ${RUVO_INSTALL_PROGRAM_DIR})
    if(TARGET ruvo-cli)
        install(TARGETS ruvo-cli RUNTIME DESTINATION ${RUVO_INSTALL_PROGRAM_DIR})
    endif()
    file(GLOB RUVO_INSTALL_SOUNDS CONFIGURE_DEPENDS
        ${CMAKE_SOURCE_DIR}/data/sounds/*.wav ${CMAKE_SOURCE_DIR}/data/sounds/*.Wav)
    install(FILES ${RUVO_INSTALL_SOUNDS} ${CMAKE_SOURCE_DIR}/data/ruvo.htm
        DESTINATION ${RUVO_INSTALL_PROGRAM_DIR})

    # Links: bin/ruvo and bin/ruvo-cli to the programs, lib/ruvo/ruvo.cfg to the default
    # settings (ruvo-cli falls back on the ruvo.cfg beside it).
    set(RUVO_LINKS_DIR ${CMAKE_BINARY_DIR}/install-links)
    file(MAKE_DIRECTORY ${RUVO_LINKS_DIR}/bin ${RUVO_LINKS_DIR}/program)
    foreach(program ruvo ruvo-cli)
        if(TARGET ${program})
            ruvo_relative_path(target ${CMAKE_INSTALL_BINDIR}
                ${RUVO_INSTALL_PROGRAM_DIR}/${program})
            file(CREATE_LINK ${target} ${RUVO_LINKS_DIR}/bin/${program} SYMBOLIC)
            install(FILES ${RUVO_LINKS_DIR}/bin/${program} DESTINATION ${CMAKE_INSTALL_BINDIR})
        endif()
    endforeach()
    ruvo_relative_path(target ${RUVO_INSTALL_PROGRAM_DIR} ${RUVO_INSTALL_DATA_DIR}/ruvo.cfg)
    file(CREATE_LINK ${target} ${RUVO_LINKS_DIR}/program/ruvo.cfg SYMBOLIC)
    install(FILES ${RUVO_LINKS_DIR}/program/ruvo.cfg DESTINATION ${RUVO_INSTALL_PROGRAM_DIR})

    # The default settings, the desktop entry, the icon and the documentation.
    install(FILES ${CMAKE_SOURCE_DIR}/data/ruvo.cfg DESTINATION ${RUVO_INSTALL_DATA_DIR})
    install(FILES ${CMAKE_SOURCE_DIR}/data/ruvo.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${CMAKE_SOURCE_DIR}/data/icons/ruvo.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION ${CMAKE_INSTALL_DOCDIR})

    # The Debian package.
    set(RUVO_PACKAGE_MAINTAINER
        "Ruvo maintainers <maintainers@users.noreply.c-seed-afbc8c9f.example>"
        CACHE STRING "Maintainer named in the Debian package")
    set(CPACK_GENERATOR DEB)
    set(CPACK_PACKAGE_NAME ruvo)
    set(CPACK_PACKAGE_VENDOR "Ruvo developers")
    set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
    set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "dice race board game for two to four players")
    set(CPACK_PACKAGE_DESCRIPTION
        "Ruvo is a dice race board game of the Ludo family. Two to four players, each played\n"
        "by a person or by the computer, race four pieces out of their yards, once round a\n"
        "shared track and up their own home column. Two pieces of one player block the way,\n"
        "a lone piece is captured and sent back to its yard. Games can be saved and loaded.\n"
        "The package also holds ruvo-cli, which plays computer games from the command line.")
    string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_STRIP_FILES ON)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${RUVO_PACKAGE_MAINTAINER}")
    set(CPACK_DEBIAN_PACKAGE_SECTION games)
    set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS
        "libqt6widgets6, libqt6multimedia6, libqt6gui6, libqt6core6")
    # The C and C++ runtime libraries and the exact Qt versions, found from the binaries.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    include(CPack)
endif()
