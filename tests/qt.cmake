# The Qt control layer's tests, with no X server: Qt draws off screen, and the person's actions
# are QTest's mouse clicks and keys.
add_library(oam_qt_user STATIC ${CMAKE_CURRENT_LIST_DIR}/support/qt/user.cpp)
target_link_libraries(oam_qt_user PUBLIC oam_qt Qt6::Test)

set(oam_window_description
    OAMCALC_WINDOW_DESCRIPTION="${CMAKE_CURRENT_LIST_DIR}/support/main_window.txt")

function(oam_add_qt_test name)
    oam_add_test(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE oam_qt_user)
    target_compile_definitions(${name} PRIVATE ${oam_window_description}
        OAMCALC_SCREENSHOTS="${CMAKE_BINARY_DIR}/screenshots")
endfunction()

oam_add_qt_test(qt_tests
    SOURCES
        behaviour/controls_contract_test.cpp
        behaviour/window_test.cpp
        behaviour/qt_fixture.cpp
        qt/window_test.cpp
    LIBRARIES oam_ui)

add_test(NAME program_without_display
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/qt/without_display $<TARGET_FILE:oamcalc>)
add_test(NAME desktop_file COMMAND desktop-file-validate ${oam_desktop_file})
