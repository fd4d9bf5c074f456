# The browser side of the tests: GoogleTest compiled to WebAssembly from its sources, and each test
# program a page that headless Chromium runs (scripts/browser/run-page.mjs), one CTest test each.
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_CURRENT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

set(oam_browser ${PROJECT_SOURCE_DIR}/scripts/browser)
# The committed window description, put inside the page at the path the tests read it from.
set(oam_description_file ${CMAKE_CURRENT_LIST_DIR}/support/main_window.txt)

function(oam_add_web_test name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "LIBRARIES")
    add_executable(${name} ${arg_UNPARSED_ARGUMENTS})
    target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} oam_person gtest_main)
    # The runner calls main itself, as an asynchronous call, to learn what it returns after waits.
    target_link_options(${name} PRIVATE -sINVOKE_RUN=0 "-sEXPORTED_FUNCTIONS=['_main','_malloc']"
        "-sEXPORTED_RUNTIME_METHODS=['ccall','allocateUTF8','setValue']"
        "SHELL:--embed-file ${oam_description_file}@${oam_description_file}")
    oam_web_page(${name})
    add_test(NAME ${name}
        COMMAND node ${oam_browser}/run-page.mjs $<TARGET_FILE_DIR:${name}>/${name}.html)
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()
