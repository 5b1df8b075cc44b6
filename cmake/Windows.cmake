# What the Windows build adds to the programs: a version resource (and the icon) in each
# executable, and the Qt plugins linked into them statically.

# Built here and run under Wine, the tests name the programs they start by the drive under
# which Wine shows this machine's root folder.
if(CMAKE_CROSSCOMPILING)
    set(MX_CAL_RUNTIME_ROOT "Z:")
endif()

# The version resource of `target`, described by `description` (shown in Explorer's
# properties); ICON puts the application icon in as well, under the name Qt's Windows platform
# gives every window of the program that has no icon of its own.
function(mx_windows_resources target description)
    cmake_parse_arguments(PARSE_ARGV 2 arg "ICON" "" "")
    set(MX_RC_NAME ${target})
    set(MX_RC_FILE ${target}.exe)
    set(MX_RC_DESCRIPTION "${description}")
    set(MX_RC_ICON "")
    if(arg_ICON)
        set(MX_RC_ICON "IDI_ICON1 ICON \"${PROJECT_SOURCE_DIR}/app/icons/mx_cal.ico\"")
    endif()
    # Four whole numbers, without leading zeros (1.05 is 1,5,0,0).
    set(numbers "")
    foreach(part MAJOR MINOR PATCH TWEAK)
        string(REGEX REPLACE "^0+([0-9])" "\\1" number "0${PROJECT_VERSION_${part}}")
        list(APPEND numbers ${number})
    endforeach()
    string(REPLACE ";" "," MX_RC_VERSION_COMMAS "${numbers}")
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/windows/version.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
endfunction()

# Links into `target` the platform plugins it runs on (QWindowsIntegrationPlugin for the
# programs, QOffscreenIntegrationPlugin for the window's tests), imported statically, and none
# of the image-format or style plugins: the window draws its pictures in code and takes the
# Fusion style.
function(mx_windows_qt_plugins target)
    list(TRANSFORM ARGN PREPEND Qt6:: OUTPUT_VARIABLE plugins)
    qt_import_plugins(${target} INCLUDE_BY_TYPE platforms ${plugins}
                      EXCLUDE_BY_TYPE imageformats styles)
endfunction()
