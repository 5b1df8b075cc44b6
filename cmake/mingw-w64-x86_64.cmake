# Cross build for 64-bit Windows with Debian's MinGW-w64 (the POSIX thread model, which
# std::thread and Qt need), against the static Qt that tools/windows/build-qt makes. The same
# file configures that Qt build itself.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_triple x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_triple}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_triple}-windres)

# Qt's tools (moc, rcc, uic) are the installed Qt of this machine, of the same version.
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)

# The static Qt for Windows: MX_CAL_QT_WIN, else where tools/windows/build-qt puts it.
if(NOT DEFINED MX_CAL_QT_WIN)
    if(DEFINED ENV{MX_CAL_QT_WIN})
        set(MX_CAL_QT_WIN "$ENV{MX_CAL_QT_WIN}")
    elseif(DEFINED ENV{XDG_CACHE_HOME} AND IS_ABSOLUTE "$ENV{XDG_CACHE_HOME}")
        set(MX_CAL_QT_WIN "$ENV{XDG_CACHE_HOME}/mx_cal/qt-6.4.2-win64")
    else()
        set(MX_CAL_QT_WIN "$ENV{HOME}/.cache/mx_cal/qt-6.4.2-win64")
    endif()
endif()
list(APPEND CMAKE_PREFIX_PATH "${MX_CAL_QT_WIN}")

set(CMAKE_FIND_ROOT_PATH /usr/${mingw_triple} "${MX_CAL_QT_WIN}")
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Packages are looked for in the host's folders too: Qt's cross build finds the host Qt that
# way. The static Qt comes first through CMAKE_PREFIX_PATH; GoogleTest is built from its
# sources for Windows (tests/CMakeLists.txt) rather than found.
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)

# Tests and tools run under Wine.
find_program(MX_CAL_WINE NAMES wine64 wine)
if(MX_CAL_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${MX_CAL_WINE})
endif()
