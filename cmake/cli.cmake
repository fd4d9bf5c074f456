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

add_library(oam_cli STATIC
    ${PROJECT_SOURCE_DIR}/cli/assignments.cpp
    ${PROJECT_SOURCE_DIR}/cli/command_line.cpp
    ${PROJECT_SOURCE_DIR}/cli/field_table.cpp
    ${PROJECT_SOURCE_DIR}/cli/jobs.cpp
    ${PROJECT_SOURCE_DIR}/cli/output.cpp)
target_include_directories(oam_cli SYSTEM PUBLIC ${oam_cli_include})
# Only the pure conversions: no control layer, so the window and this program share the codec and
# nothing else.
target_link_libraries(oam_cli PUBLIC oam_codec)

add_executable(oamcalc-cli ${PROJECT_SOURCE_DIR}/cli/main.cpp)
target_link_libraries(oamcalc-cli PRIVATE oam_cli)
