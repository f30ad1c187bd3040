# The Debian package, built by CPack (scripts/package.sh runs it):
# corvane_<version>_<arch>.deb with everything `cmake --install` puts in place
# under /usr, and the two files every Debian package carries in its
# documentation folder.

set(corvane_docdir ${CMAKE_INSTALL_DATAROOTDIR}/doc/corvane)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright DESTINATION ${corvane_docdir})

# A one-entry Debian changelog for the release, dated with the release date
# and compressed as Debian ships it (highest level, no name or time stamp).
execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C date -u -R -d "${CORVANE_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE CORVANE_RELEASE_CHANGELOG_DATE OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in ${PROJECT_BINARY_DIR}/changelog @ONLY)
execute_process(COMMAND gzip -9nc ${PROJECT_BINARY_DIR}/changelog
                OUTPUT_FILE ${PROJECT_BINARY_DIR}/changelog.gz COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${PROJECT_BINARY_DIR}/changelog.gz DESTINATION ${corvane_docdir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME corvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Corvane developers")
set(CPACK_PACKAGE_CONTACT "Corvane developers <cv@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "section properties of hull stiffeners, built-up profiles and pipes")
set(CPACK_PACKAGE_DESCRIPTION
    "Corvane is a small, exact desktop tool for ship-structure designers. Its\n"
    "main menu opens four calculators: the moment of inertia and section\n"
    "modulus of a hull stiffener with its attached plating (corrected by the\n"
    "effective breadth), the same for a built-up profile welded from a web and\n"
    "two face plates, the area, radius of gyration, moment of inertia, section\n"
    "modulus and mass per metre of a round steel pipe, and an engineering\n"
    "calculator. The user interface is in Simplified Chinese.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/debian-staging.cmake)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://corvane.example.org/)
# The libraries the binaries link, as dpkg-shlibdeps finds them, and what
# the windows need beyond them: Qt's platform plugins (only recommended by
# Qt's GUI library, yet without them no window opens), Qt's own Chinese
# texts for the message box button, and the free Song and Kai faces that
# stand in for the fonts the windows name.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-translations-l10n, fonts-arphic-ukai, fonts-arphic-uming")

include(CPack)
