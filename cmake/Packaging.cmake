# The Debian package: cmake --build <build> --target package writes
# mx-cal_<version>_<arch>.deb into the build folder. Install prefix /usr, binaries stripped,
# Depends worked out by dpkg-shlibdeps (package dpkg-dev) from the installed binaries.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mx-cal)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "MX 주식계산기 contributors")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "stock trade fee, tax and profit calculator (Korean)")

set(MX_CAL_MAINTAINER "MX 주식계산기 contributors <maintainers@mx-cal.example>" CACHE STRING
    "Maintainer named in the Debian package")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${MX_CAL_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${MX_CAL_HOME_URL}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-nanum | fonts-noto-cjk, qt6-wayland, qt6-translations-l10n")
# The extended description below the summary, line by line; CPack indents it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "MX 주식계산기 is a desktop calculator for people who trade shares on the
Korean stock market. From a quantity, a buy price and a sell price it
works out the brokerage fee of each side (with an optional minimum-fee
rule), the transaction tax, the total cost and the net profit or loss
of the round trip, to the won, optionally by the tax and price ticks in
force on the trade date and with the truncation of a broker's statement.
Its window is in Korean.
.
The package also holds mx_cal_sheet, which runs the same calculation
without a window: field values on standard input, every result on
standard output; or a whole journal of trades in CSV, one priced row
each.")

# /usr/share/doc/mx-cal/copyright in Debian's machine-readable form, its licence text taken
# from LICENSE; the changelog and the manual pages compressed as Debian ships them.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)" _ "${licence}")
set(MX_CAL_COPYRIGHT "${CMAKE_MATCH_1}")
string(FIND "${licence}" "Permission is hereby granted" permission)
string(SUBSTRING "${licence}" ${permission} -1 licence)
string(STRIP "${licence}" licence)
string(REPLACE "\n\n" "\n.\n" licence "${licence}")
string(REPLACE "\n" "\n " licence "${licence}")
set(MX_CAL_LICENCE_TEXT " ${licence}")
set(debian_dir ${PROJECT_BINARY_DIR}/debian)
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/copyright.in ${debian_dir}/copyright @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/changelog.in ${debian_dir}/changelog @ONLY)

set(compressed)
foreach(name IN ITEMS changelog mx_cal.1 mx_cal_sheet.1)
    if(NOT name STREQUAL changelog)
        configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/${name} ${debian_dir}/${name} COPYONLY)
    endif()
    add_custom_command(OUTPUT ${debian_dir}/${name}.gz
                       COMMAND gzip -9nkf ${debian_dir}/${name}
                       DEPENDS ${debian_dir}/${name} VERBATIM)
    list(APPEND compressed ${debian_dir}/${name}.gz)
endforeach()
add_custom_target(mx_cal_package_docs ALL DEPENDS ${compressed})

set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/mx-cal)
install(FILES ${debian_dir}/copyright ${debian_dir}/changelog.gz DESTINATION ${doc_dir})
install(FILES ${debian_dir}/mx_cal.1.gz ${debian_dir}/mx_cal_sheet.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

include(CPack)
