# tarabead_add_window_test(<name> <sources>...)
# A QtTest executable linked with the window library, registered with CTest, run headless on the
# offscreen platform with no desktop theme (a native file dialog must never block a test run).
function(tarabead_add_window_test name)
    if(NOT TARGET tarabead_ui)
        return()
    endif()
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE tarabead_ui Qt6::Test)
    set_target_properties(${name} PROPERTIES AUTOMOC ON AUTOUIC ON AUTORCC ON)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_QPA_PLATFORMTHEME=;QT_LOGGING_RULES=qt.qpa.*=false"
        TIMEOUT 120)
endfunction()
