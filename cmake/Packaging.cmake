# The Debian package, made with CPack from this build tree: `cpack` run in the
# build tree (scripts/package does that) writes
# quendrel-orderform_<version>_<arch>.deb there. It holds what `cmake --install`
# installs, under /usr, and besides the files only a Debian package carries
# (the install component "debian", which a plain `cmake --install` leaves out):
# the copyright notice, the Debian changelog, the manual page and lintian's
# overrides.

set(ORDERFORM_PACKAGE_NAME quendrel-orderform)
set(debian_sources ${PROJECT_SOURCE_DIR}/packaging/debian)
set(debian_files ${PROJECT_BINARY_DIR}/packaging/debian)

# The vendor's name, address and rights notice, read from the header the
# program shows them from, so that the package says exactly what the About
# window says. Each becomes ORDERFORM_VENDOR_<name>.
set(vendor_header ${PROJECT_SOURCE_DIR}/src/model/Vendor.h)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${vendor_header})
file(STRINGS ${vendor_header} vendor_lines REGEX "std::string_view [A-Za-z]+ = \"[^\"]*\"")
foreach(line IN LISTS vendor_lines)
    if(line MATCHES "std::string_view ([A-Za-z]+) = \"([^\"]*)\"")
        set(ORDERFORM_VENDOR_${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
    endif()
endforeach()
foreach(name IN ITEMS Name StreetAddress CityLine Email HomePage RightsNotice RightsReserved
                      ProgramVersion)
    if(NOT ORDERFORM_VENDOR_${name})
        message(FATAL_ERROR "${vendor_header} has no text for ${name}")
    endif()
endforeach()
# The package takes its version from the project, the About window from the
# header: they must not tell two different versions.
if(NOT ORDERFORM_VENDOR_ProgramVersion STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "The project is version ${PROJECT_VERSION}, but the program calls "
                        "itself ${ORDERFORM_VENDOR_ProgramVersion} (${vendor_header})")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${ORDERFORM_PACKAGE_NAME})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # <name>_<version>_<arch>.deb
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${ORDERFORM_VENDOR_Name} <${ORDERFORM_VENDOR_Email}>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ORDERFORM_VENDOR_HomePage}")
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "order form for Quendrel Software's games and utilities")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[
Order Form puts together an order for Quendrel Software's catalogue of 24
games, bundles and utilities. Tick the products you want, fill in your
name, address and payment details, and watch the sub-total, Missouri sales
tax, shipping and total update as you click.

The finished order is saved as the plain-text file order.txt, or printed on
the default printer as a paper form to sign and send to Quendrel Software.
]])

# dpkg-shlibdeps finds the libraries the program links. It cannot see the two
# things it needs only at run time: libcups, opened with the first printout
# (the newest function it looks up, cupsFindDestDefault, came with CUPS 1.7),
# and the Liberation fonts of the printed form.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libcups2 (>= 1.7.0), fonts-liberation2")

# CPack installs into its staging folder with DESTDIR, so the prefix the
# install sees, and writes into the desktop entry's Exec line, is /usr itself.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# cpack (and make install) packs what the last build made, without make's
# look over every target first, which took 18 of cpack's 21 seconds here:
# build first (scripts/package does).
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
# The package's time stamps: the last commit's (cmake/PackageTimestamps.cmake).
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/PackageTimestamps.cmake)
set(CPACK_ORDERFORM_SOURCE_DIR ${PROJECT_SOURCE_DIR})
# Folders 0755 whatever the umask of whoever builds the package.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# Everything cmake --install installs, and the Debian files besides.
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${PROJECT_BINARY_DIR};${PROJECT_NAME};ALL;/"
    "${PROJECT_BINARY_DIR};${PROJECT_NAME};debian;/")

# The Debian files. Debian wants the changelog and the manual page compressed
# with gzip -9, without the name and time stamp that would make every build
# of them differ.
find_program(ORDERFORM_GZIP gzip REQUIRED)
function(orderform_gzip source target)
    execute_process(COMMAND ${ORDERFORM_GZIP} -9 --no-name --stdout
                    INPUT_FILE ${source} OUTPUT_FILE ${target} COMMAND_ERROR_IS_FATAL ANY)
endfunction()

configure_file(${debian_sources}/copyright.in ${debian_files}/copyright @ONLY)
configure_file(${debian_sources}/changelog.in ${debian_files}/changelog @ONLY)
orderform_gzip(${debian_files}/changelog ${debian_files}/changelog.Debian.gz)
configure_file(${debian_sources}/orderform.1.in ${debian_files}/orderform.1 @ONLY)
orderform_gzip(${debian_files}/orderform.1 ${debian_files}/orderform.1.gz)

include(GNUInstallDirs)
install(FILES ${debian_files}/copyright ${debian_files}/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${ORDERFORM_PACKAGE_NAME}
        COMPONENT debian EXCLUDE_FROM_ALL)
install(FILES ${debian_files}/orderform.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
        COMPONENT debian EXCLUDE_FROM_ALL)
install(FILES ${debian_sources}/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME ${ORDERFORM_PACKAGE_NAME}
        COMPONENT debian EXCLUDE_FROM_ALL)

include(CPack)
