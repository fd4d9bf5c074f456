# The Windows program: the control layer over the platform's windowing, and the program itself.
enable_language(RC)

set(oam_root ${CMAKE_CURRENT_LIST_DIR}/..)

# Everything that runs under Wine carries its own C++ runtime, so it needs only system DLLs.
target_link_options(oam_settings INTERFACE -static -static-libgcc -static-libstdc++)

add_library(oam_win32 STATIC
    ${oam_root}/runtime/win32/control_table.cpp
    ${oam_root}/runtime/win32/control_values.cpp
    ${oam_root}/runtime/win32/control_watch.cpp
    ${oam_root}/runtime/win32/controls.cpp
    ${oam_root}/runtime/win32/events.cpp
    ${oam_root}/runtime/win32/focus.cpp
    ${oam_root}/runtime/win32/message_box.cpp
    ${oam_root}/runtime/win32/startup.cpp
    ${oam_root}/runtime/win32/window.cpp
    ${oam_root}/runtime/win32/window_procedure.cpp)
target_compile_definitions(oam_win32 PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX)
target_link_libraries(oam_win32 PUBLIC oam_text user32 comctl32 gdi32 ole32)

# What a person does, for the test programs.
add_library(oam_win32_user STATIC ${oam_root}/runtime/win32/user.cpp)
target_link_libraries(oam_win32_user PUBLIC oam_win32)

# The icon and the manifest that binds the program to version 6 of the common controls.
set(oam_resources ${oam_root}/resources/oamcalc.rc)

add_executable(oamcalc WIN32 ${oam_root}/ui/main.cpp ${oam_resources})
target_link_libraries(oamcalc PRIVATE oam_ui)
target_link_options(oamcalc PRIVATE $<$<CONFIG:Release>:-s>)
