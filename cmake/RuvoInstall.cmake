# What `cmake --install` puts below the prefix: the two programs in bin/, the simulator's manual,
# and for the desktop program a launcher in the applications menu, its icon in the hicolor theme
# and its description for software centres.
include(GNUInstallDirs)

# The name the desktop knows the program by: desktop entry, metainfo and icon. The autostart
# entries the program writes use the same icon (platform/desktop/desktop_entry.h).
set(RUVO_DESKTOP_ID org.example.ruvometer)

if(TARGET ruvometer-sim)
    install(TARGETS ruvometer-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${PROJECT_SOURCE_DIR}/data/ruvometer-sim.1
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

if(TARGET ruvometer AND TARGET ruvo-program-icons)
    install(TARGETS ruvometer RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

    # The icon is drawn by the program's own code when the program is built.
    set(icon_theme ${PROJECT_BINARY_DIR}/icons/hicolor)
    set(icon_files ${icon_theme}/scalable/apps/${RUVO_DESKTOP_ID}.svg)
    foreach(size IN ITEMS 16 32 48 64 128)
        list(APPEND icon_files ${icon_theme}/${size}x${size}/apps/${RUVO_DESKTOP_ID}.png)
    endforeach()
    add_custom_command(
        OUTPUT ${icon_files}
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                $<TARGET_FILE:ruvo-program-icons> ${RUVO_DESKTOP_ID} ${icon_theme}
        DEPENDS ruvo-program-icons
        COMMENT "Drawing the program's icons"
        VERBATIM)
    add_custom_target(ruvo_program_icons ALL DEPENDS ${icon_files})
    install(DIRECTORY ${icon_theme} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)

    install(FILES ${PROJECT_SOURCE_DIR}/data/${RUVO_DESKTOP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

    # The launcher names the installed program by its full path, known only at install time
    # (`cmake --install --prefix` may choose another prefix than the one configured).
    install(CODE "
        set(RUVO_DESKTOP_ENTRY_TEMPLATE \"${PROJECT_SOURCE_DIR}/data/${RUVO_DESKTOP_ID}.desktop.in\")
        set(RUVO_DESKTOP_ENTRY_FILE \"${PROJECT_BINARY_DIR}/install/${RUVO_DESKTOP_ID}.desktop\")
        set(RUVO_PROGRAM_RELATIVE_PATH \"${CMAKE_INSTALL_BINDIR}/ruvometer\")
        set(RUVO_APPLICATIONS_DIR \"${CMAKE_INSTALL_DATADIR}/applications\")")
    install(SCRIPT ${PROJECT_SOURCE_DIR}/cmake/RuvoDesktopEntry.cmake)
endif()
