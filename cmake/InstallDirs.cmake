# SPDX-License-Identifier: GPL-3.0-or-later
# Where an installation puts the programs and their data, under the prefix:
#
#   games/ruvo, games/ruvo-cli    the programs (RUVO_INSTALL_BINDIR)
#   share/ruvo/                   the default settings ruvo.cfg, the sounds and the help page
#                                 ruvo.htm (RUVO_INSTALL_DATADIR)
#
# The programs find the data folder from their own folder, so the installed tree works under
# any prefix. Included from the top-level CMakeLists before the libraries are defined.
include(GNUInstallDirs)
set(RUVO_INSTALL_BINDIR games CACHE STRING "Folder of the programs, under the prefix")
set(RUVO_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/ruvo CACHE STRING
    "Folder of the default settings, sounds and help page, under the prefix")

foreach(var RUVO_INSTALL_BINDIR RUVO_INSTALL_DATADIR)
    if(IS_ABSOLUTE "${${var}}")
        set(${var}_FULL "${${var}}")
    else()
        set(${var}_FULL "${CMAKE_INSTALL_PREFIX}/${${var}}")
    endif()
endforeach()
file(RELATIVE_PATH RUVO_DATA_FROM_PROGRAM ${RUVO_INSTALL_BINDIR_FULL} ${RUVO_INSTALL_DATADIR_FULL})

# The version shown by both programs and the About window.
configure_file(${CMAKE_CURRENT_LIST_DIR}/Version.h.in ${CMAKE_BINARY_DIR}/generated/Version.h
    @ONLY)
