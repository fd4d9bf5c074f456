# The native Linux program on the Qt control layer, and how it installs: the program and its
# companion, a desktop entry and the icon in the sizes desktops look for.
include(GNUInstallDirs)

add_executable(oamcalc ${PROJECT_SOURCE_DIR}/ui/main.cpp)
target_link_libraries(oamcalc PRIVATE oam_ui)

# The 32 x 32 picture, and eight times as large with every pixel kept sharp.
find_program(oam_convert convert REQUIRED)
set(oam_icon_sizes 32 256)
foreach(size ${oam_icon_sizes})
    set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/oamcalc.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
        COMMAND ${oam_convert} ${PROJECT_SOURCE_DIR}/resources/oamcalc.ico -filter point
            -resize ${size}x${size} PNG32:${png}
        DEPENDS ${PROJECT_SOURCE_DIR}/resources/oamcalc.ico
        VERBATIM)
    list(APPEND oam_icon_pngs ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(oam_icons ALL DEPENDS ${oam_icon_pngs})

set(oam_desktop_file ${PROJECT_SOURCE_DIR}/resources/oamcalc.desktop)
install(TARGETS oamcalc oamcalc-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${oam_desktop_file} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
