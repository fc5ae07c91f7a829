# Read by Qt's own configure step for Windows (CMAKE_PROJECT_INCLUDE, scripts/lib/windows-qt).
# Debian 12's MinGW-w64 10 has UI Automation headers too old for Qt 6.8's Windows platform
# plugin; the newer headers of MinGW-w64 12 (Debian 13's source package), in
# SPOONWISE_UIA_INCLUDE_DIR, go in front of the system's for that one target.
include_guard(GLOBAL)
function(spoonwise_newer_uia_headers)
    if(TARGET QWindowsIntegrationPlugin)
        target_include_directories(QWindowsIntegrationPlugin BEFORE PRIVATE "${SPOONWISE_UIA_INCLUDE_DIR}")
    endif()
endfunction()
if(CMAKE_SOURCE_DIR STREQUAL PROJECT_SOURCE_DIR)
    cmake_language(DEFER DIRECTORY "${CMAKE_SOURCE_DIR}" CALL spoonwise_newer_uia_headers)
endif()
