# cmake -DBUILD_DIR=... -DSCRATCH=... -P CheckInstallTree.cmake
# Installs the build under SCRATCH and fails unless every file a desktop user needs is there.
file(REMOVE_RECURSE ${SCRATCH})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${SCRATCH}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
set(expected
    bin/tarabead
    bin/tarabead-cli
    share/applications/org.tarabead.Tarabead.desktop
    share/metainfo/org.tarabead.Tarabead.metainfo.xml
    share/icons/hicolor/scalable/apps/tarabead.svg
    share/doc/tarabead/LICENSE
    share/doc/tarabead/CREDITS.md)
foreach(size 16 24 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/tarabead.png)
endforeach()
file(GLOB_RECURSE guide RELATIVE ${SCRATCH} ${SCRATCH}/share/*/index.html)
if(NOT guide)
    message(FATAL_ERROR "the user guide (index.html) is not installed")
endif()
set(missing "")
foreach(f IN LISTS expected)
    if(NOT EXISTS ${SCRATCH}/${f})
        list(APPEND missing ${f})
    endif()
endforeach()
if(missing)
    message(FATAL_ERROR "missing from the install tree: ${missing}")
endif()
message(STATUS "install tree complete: ${expected};${guide}")
