# SPDX-License-Identifier: GPL-3.0-or-later
# The window program: the Qt side of the game as the library ruvo_ui, and the executable ruvo.
# Included from the top-level CMakeLists after Qt has been found, with AUTOMOC on.

file(GLOB RUVO_UI_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/window/*.cpp)
list(REMOVE_ITEM RUVO_UI_SOURCES ${CMAKE_SOURCE_DIR}/src/window/main.cpp)
add_library(ruvo_ui STATIC ${RUVO_UI_SOURCES})
target_include_directories(ruvo_ui PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(ruvo_ui PUBLIC ruvo_game ruvo_listctl Qt6::Widgets Qt6::Multimedia)

add_executable(ruvo ${CMAKE_SOURCE_DIR}/src/window/main.cpp)
target_link_libraries(ruvo PRIVATE ruvo_ui)
set_target_properties(ruvo PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# The program finds its sounds and its help page in its own folder: copy them beside it.
file(GLOB RUVO_SOUND_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/sounds/*.wav
    ${CMAKE_SOURCE_DIR}/data/sounds/*.Wav)
file(GLOB RUVO_HELP_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/ruvo.htm)
set(RUVO_PROGRAM_FILES)
foreach(source ${RUVO_SOUND_FILES} ${RUVO_HELP_FILES})
    get_filename_component(name ${source} NAME)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${name}
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${source} ${CMAKE_BINARY_DIR}/${name}
        DEPENDS ${source}
        COMMENT "Copying ${name} beside the program"
        VERBATIM)
    list(APPEND RUVO_PROGRAM_FILES ${CMAKE_BINARY_DIR}/${name})
endforeach()
add_custom_target(ruvo_program_files DEPENDS ${RUVO_PROGRAM_FILES})
add_dependencies(ruvo ruvo_program_files)
