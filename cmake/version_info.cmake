# Gives a shipped Windows program the project's version and the name it ships under, such as
# oamcalc-x64.exe, from the version block in resources/.
set(oam_version_info_sources ${PROJECT_SOURCE_DIR}/resources)
function(oam_add_version_info target description)
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        set(oam_shipped_name ${target}-x64.exe)
    else()
        set(oam_shipped_name ${target}-x86.exe)
    endif()
    set(oam_description ${description})
    set(header_folder ${CMAKE_BINARY_DIR}/version_info/${target})
    configure_file(${oam_version_info_sources}/version_info.h.in
        ${header_folder}/version_info.h @ONLY)
    target_sources(${target} PRIVATE ${oam_version_info_sources}/version_info.rc)
    target_include_directories(${target} PRIVATE ${header_folder})
endfunction()
