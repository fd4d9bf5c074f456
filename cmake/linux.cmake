# The native Linux program on the Qt control layer, and how it installs: the program and its
# companion, a desktop entry and the icon in the sizes desktops look for.
include(GNUInstallDirs)

add_executable(oamcalc ${PROJECT_SOURCE_DIR}/ui/main.cpp)
target_link_libraries(oamcalc PRIVATE oam_ui)

# The icons the Qt layer embeds (runtime/qt/CMakeLists.txt), where desktops look for them.
foreach(size ${oam_icon_sizes})
    install(FILES ${oam_icons}/${size}x${size}/oamcalc.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

set(oam_desktop_file ${PROJECT_SOURCE_DIR}/resources/oamcalc.desktop)
install(TARGETS oamcalc oamcalc-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${oam_desktop_file} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
