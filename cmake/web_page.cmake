# A program of the web tree as one HTML file beside its script: the page's shell
# (runtime/web/shell.html) with the script, its WebAssembly and the program's icon inside.
set(oam_web_shell ${PROJECT_SOURCE_DIR}/runtime/web/shell.html)
list(GET OAM_ICON_FILES 0 oam_web_icon)
function(oam_web_page target)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${PROJECT_SOURCE_DIR}/scripts/inline-page ${oam_web_shell}
            $<TARGET_FILE:${target}> ${oam_web_icon} $<TARGET_FILE_DIR:${target}>/${target}.html
        VERBATIM)
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${oam_web_shell})
endfunction()
