# The command-line program: the window's codec for scripts and makefiles, built natively and, in
# the Windows tree, as a console program.

# CLI11 and nlohmann/json are header-only Debian packages. The build machine's headers are
# reached through links in the build tree, never by putting /usr/include itself on the search
# path, which would set the build machine's C library before the cross compiler's.
find_path(oam_cli11_include CLI/CLI.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_path(oam_json_include nlohmann/json.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(oam_cli_include ${CMAKE_BINARY_DIR}/cli_include)
file(MAKE_DIRECTORY ${oam_cli_include})
file(CREATE_LINK ${oam_cli11_include}/CLI ${oam_cli_include}/CLI SYMBOLIC)
file(CREATE_LINK ${oam_json_include}/nlohmann ${oam_cli_include}/nlohmann SYMBOLIC)

# The pure additions to the codec that only this program uses so far: entries as they lie in memory,
# where a sprite lands on the screen, and the rotation/scaling matrix.
add_library(oam_codec_memory STATIC
    ${PROJECT_SOURCE_DIR}/codec/memory_layout.cpp
    ${PROJECT_SOURCE_DIR}/codec/sprite_geometry.cpp
    ${PROJECT_SOURCE_DIR}/codec/affine.cpp)
target_link_libraries(oam_codec_memory PUBLIC oam_codec)

# Reading and writing descriptors is the one thing that differs between platforms.
if(WIN32)
    set(oam_cli_descriptors ${PROJECT_SOURCE_DIR}/cli/descriptors_windows.cpp)
else()
    set(oam_cli_descriptors ${PROJECT_SOURCE_DIR}/cli/descriptors_posix.cpp)
endif()

add_library(oam_cli STATIC
    ${PROJECT_SOURCE_DIR}/cli/affine_command.cpp
    ${PROJECT_SOURCE_DIR}/cli/assignments.cpp
    ${PROJECT_SOURCE_DIR}/cli/command_line.cpp
    ${PROJECT_SOURCE_DIR}/cli/dump_command.cpp
    ${PROJECT_SOURCE_DIR}/cli/echo.cpp
    ${PROJECT_SOURCE_DIR}/cli/entry_records.cpp
    ${PROJECT_SOURCE_DIR}/cli/field_table.cpp
    ${PROJECT_SOURCE_DIR}/cli/jobs.cpp
    ${PROJECT_SOURCE_DIR}/cli/line_reader.cpp
    ${PROJECT_SOURCE_DIR}/cli/matrix_cells.cpp
    ${PROJECT_SOURCE_DIR}/cli/memory_order.cpp
    ${PROJECT_SOURCE_DIR}/cli/output.cpp
    ${PROJECT_SOURCE_DIR}/cli/records.cpp
    ${oam_cli_descriptors})
target_include_directories(oam_cli SYSTEM PUBLIC ${oam_cli_include})
target_compile_definitions(oam_cli PRIVATE OAMCALC_VERSION="${PROJECT_VERSION}")
# Only the pure conversions: no control layer, so the window and this program share the codec and
# nothing else.
target_link_libraries(oam_cli PUBLIC oam_codec oam_codec_memory)

add_executable(oamcalc-cli ${PROJECT_SOURCE_DIR}/cli/main.cpp)
target_link_libraries(oamcalc-cli PRIVATE oam_cli)
