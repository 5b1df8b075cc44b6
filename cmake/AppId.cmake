# The application id in reverse-DNS form. Its default follows the home page the build is
# configured with: https://www.mx-cal.example/ gives example.mx_cal.MxCal. The desktop file,
# the AppStream metainfo, the icon and the window (its Wayland app id) all carry this id.

function(mx_cal_app_id_from_url url result)
    if(NOT url MATCHES "^[A-Za-z][A-Za-z0-9+.-]*://([^/:?#@]+)")
        message(FATAL_ERROR "MX_CAL_HOME_URL has no host name: '${url}'")
    endif()
    string(TOLOWER "${CMAKE_MATCH_1}" host)
    string(REGEX REPLACE "^www\\." "" host "${host}")
    string(REPLACE "." ";" labels "${host}")
    list(REVERSE labels)
    set(parts)
    foreach(label IN LISTS labels)
        # Hyphens are legal in host names but not in D-Bus names, which the id must also be.
        string(REGEX REPLACE "[^a-z0-9_]" "_" label "${label}")
        if(label MATCHES "^[0-9]")
            string(PREPEND label "_")
        endif()
        list(APPEND parts "${label}")
    endforeach()
    list(APPEND parts MxCal)
    list(JOIN parts "." id)
    set(${result} "${id}" PARENT_SCOPE)
endfunction()

mx_cal_app_id_from_url("${MX_CAL_HOME_URL}" derived_app_id)
# Follow a changed home page unless the id was set by hand.
if(NOT DEFINED MX_CAL_APP_ID OR MX_CAL_APP_ID STREQUAL MX_CAL_APP_ID_DERIVED)
    set(MX_CAL_APP_ID "${derived_app_id}" CACHE STRING
        "Application id (reverse DNS): desktop file, AppStream id, icon and Wayland app id" FORCE)
endif()
set(MX_CAL_APP_ID_DERIVED "${derived_app_id}" CACHE INTERNAL "Id derived from MX_CAL_HOME_URL")

if(NOT MX_CAL_APP_ID MATCHES "^[A-Za-z_][A-Za-z0-9_]*(\\.[A-Za-z_][A-Za-z0-9_]*)+$")
    message(FATAL_ERROR "MX_CAL_APP_ID '${MX_CAL_APP_ID}' is not a reverse-DNS id of letters, "
                        "digits and underscores")
endif()
