# Install layout. The program reads its media from its own directory, so the
# executable lives in a private directory together with links to the media,
# which themselves lie under share/. bin/tabulon links to the executable. All
# links are relative, so an installed tree still works after it is moved.

set(TABULON_PROGRAM_DIR ${CMAKE_INSTALL_LIBEXECDIR}/tabulon)
set(TABULON_DATA_DIR ${CMAKE_INSTALL_DATADIR}/tabulon)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

# Qt comes from the system, so the installed program needs no search path of
# its own.
set_target_properties(tabulon PROPERTIES INSTALL_RPATH "")
install(TARGETS tabulon RUNTIME DESTINATION ${TABULON_PROGRAM_DIR})
# Sound playback, loaded from beside the executable at the first sound.
install(TARGETS tabulon_sound_module LIBRARY DESTINATION ${TABULON_PROGRAM_DIR})
install(FILES ${TABULON_MEDIA} DESTINATION ${TABULON_DATA_DIR})

# The links are made once here and installed as links.
set(links ${CMAKE_CURRENT_BINARY_DIR}/install-links)
file(MAKE_DIRECTORY ${links}/bin ${links}/program)
file(RELATIVE_PATH to_program ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_LIBEXECDIR}/tabulon/tabulon)
file(CREATE_LINK ${to_program} ${links}/bin/tabulon SYMBOLIC)
install(FILES ${links}/bin/tabulon DESTINATION ${CMAKE_INSTALL_BINDIR})
file(RELATIVE_PATH to_data ${CMAKE_INSTALL_FULL_LIBEXECDIR}/tabulon
     ${CMAKE_INSTALL_FULL_DATADIR}/tabulon)
foreach(file IN LISTS TABULON_MEDIA)
    get_filename_component(name ${file} NAME)
    file(CREATE_LINK ${to_data}/${name} ${links}/program/${name} SYMBOLIC)
    install(FILES ${links}/program/${name} DESTINATION ${TABULON_PROGRAM_DIR})
endforeach()
# The translations, likewise found beside the program through one link.
install(FILES ${TABULON_QM_FILES} DESTINATION ${TABULON_DATA_DIR}/translations)
file(CREATE_LINK ${to_data}/translations ${links}/program/translations SYMBOLIC)
install(FILES ${links}/program/translations DESTINATION ${TABULON_PROGRAM_DIR})

# Desktop integration: menu entry, AppStream metadata and the icon theme.
install(FILES packaging/${TABULON_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(packaging/${TABULON_APP_ID}.metainfo.xml.in
               ${CMAKE_CURRENT_BINARY_DIR}/packaging/${TABULON_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/${TABULON_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES app/icons/tabulon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        RENAME ${TABULON_APP_ID}.svg)
foreach(size IN LISTS TABULON_ICON_SIZES)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/icons/tabulon-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME ${TABULON_APP_ID}.png)
endforeach()

# Manual page and changelog, compressed the way Debian wants them: best
# compression, no name or time stamp in the header.
find_program(GZIP gzip REQUIRED)
set(TABULON_MAN_PROGRAM_DIR /usr/${TABULON_PROGRAM_DIR})
configure_file(packaging/tabulon.6.in ${CMAKE_CURRENT_BINARY_DIR}/packaging/tabulon.6 @ONLY)
configure_file(packaging/changelog.in ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog @ONLY)
set(compressed)
foreach(file IN ITEMS ${CMAKE_CURRENT_BINARY_DIR}/packaging/tabulon.6
                      ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog)
    get_filename_component(name ${file} NAME)
    set(gz ${CMAKE_CURRENT_BINARY_DIR}/packaging/${name}.gz)
    add_custom_command(OUTPUT ${gz}
        COMMAND ${GZIP} -9n -c ${file} > ${gz}
        DEPENDS ${file}
        VERBATIM)
    list(APPEND compressed ${gz})
endforeach()
add_custom_target(tabulon_docs ALL DEPENDS ${compressed})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/tabulon.6.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
