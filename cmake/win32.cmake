# The Windows program: its resources, its version, and the program itself.
# The same sources build for 32-bit (x86) and 64-bit (x64) Windows; only the names below differ.
enable_language(RC)

set(oam_root ${CMAKE_CURRENT_LIST_DIR}/..)

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
    # A 64-bit process refuses a common-controls dependency for any other processor.
    set(oam_manifest_processor amd64)
    set(oam_shipped_suffix x64)
    set(oam_wine_arch win64)
else()
    set(oam_manifest_processor X86)
    set(oam_shipped_suffix x86)
    set(oam_wine_arch win32)
endif()

# What every program run under Wine by CTest finds set: the loader of its width and a prefix of
# the build tree's own, never the user's, even when CTest is started without scripts/with-wine.
set(oam_wine_environment
    "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix"
    "WINEARCH=${oam_wine_arch}"
    "WINELOADER=${CMAKE_CROSSCOMPILING_EMULATOR}"
    "WINEDLLOVERRIDES=mscoree,mshtml=")

# Everything that runs under Wine carries its own C++ runtime, so it needs only system DLLs.
target_link_options(oam_settings INTERFACE -static -static-libgcc -static-libstdc++)

# The icon and the manifest that binds the program to version 6 of the common controls. The test
# programs carry them too, so they test the same controls the program gets.
set(oam_generated_resources ${CMAKE_BINARY_DIR}/resources)
configure_file(${oam_root}/resources/oamcalc.manifest.in
    ${oam_generated_resources}/oamcalc.manifest @ONLY)
add_library(oam_program_resources OBJECT ${oam_root}/resources/oamcalc.rc)
target_include_directories(oam_program_resources PRIVATE ${oam_generated_resources})
set(oam_resources $<TARGET_OBJECTS:oam_program_resources>)

# Each shipped program carries the project's version and the name it ships under, such as
# oamcalc-x64.exe.
function(oam_add_version_info target description)
    set(oam_shipped_name ${target}-${oam_shipped_suffix}.exe)
    set(oam_description ${description})
    set(header_folder ${CMAKE_BINARY_DIR}/version_info/${target})
    configure_file(${oam_root}/resources/version_info.h.in ${header_folder}/version_info.h @ONLY)
    target_sources(${target} PRIVATE ${oam_root}/resources/version_info.rc)
    target_include_directories(${target} PRIVATE ${header_folder})
endfunction()

add_executable(oamcalc WIN32 ${oam_root}/ui/main.cpp ${oam_resources})
target_link_libraries(oamcalc PRIVATE oam_ui)
target_link_options(oamcalc PRIVATE $<$<CONFIG:Release>:-s>)
oam_add_version_info(oamcalc "OAM entry calculator")
