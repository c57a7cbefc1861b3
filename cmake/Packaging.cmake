# A Debian package of the installation: `cpack` in the build folder writes
# tallimark_<version>_<arch>.deb. Its dependencies come from the shared
# libraries the program links (dpkg-shlibdeps, from dpkg-dev), plus the Qt
# plugins it loads at run time, which no library links.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tallimark)
set(CPACK_PACKAGE_VENDOR "Ombrelle Technology")
set(CPACK_PACKAGE_CONTACT "Ombrelle Technology <tallimark@ombrelle.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "print sequentially numbered forms and tickets")
# The extended description, wrapped as Debian control files want it.
set(CPACK_PACKAGE_DESCRIPTION
    "Tallimark prints sequentially numbered pages: numbered forms, tickets and
multi-part form sets. A template holds the paper and the numbering heads
placed on it; the numbering settings turn it into a print job, printed
through CUPS, previewed, or exported as PDF from the window or the command
line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Not a native package: the Debian revision belongs to the packaging.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
# Where Debian files the comparable programs (label and page layout).
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The SVG icons are drawn by a plugin that nothing links.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
# qt6-wayland: the platform plugin a Wayland session needs; without it Qt
# falls back to XWayland. qt6-translations-l10n: Qt's own dialogs and buttons
# in the user's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, cups-client, qt6-wayland, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "x-www-browser")

# The licence and the Debian changelog, where Debian keeps them. GNU gzip
# with -n: no name or time stamp, so the package builds reproducibly.
set(debian_doc ${CMAKE_INSTALL_DATADIR}/doc/tallimark)
set(debian_changelog ${CMAKE_BINARY_DIR}/changelog.Debian.gz)
add_custom_command(OUTPUT ${debian_changelog}
    COMMAND gzip -9 -n -c ${PROJECT_SOURCE_DIR}/dist/changelog.Debian > ${debian_changelog}
    DEPENDS ${PROJECT_SOURCE_DIR}/dist/changelog.Debian)
add_custom_target(tallimark_debian_changelog ALL DEPENDS ${debian_changelog})
install(FILES ${PROJECT_SOURCE_DIR}/dist/copyright ${debian_changelog} DESTINATION ${debian_doc})
install(FILES ${PROJECT_SOURCE_DIR}/dist/tallimark.lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME tallimark)
include(CPack)
