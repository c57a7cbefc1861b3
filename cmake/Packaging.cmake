# A Debian package of the installation: `cpack` in the build folder writes
# tallimark_<version>_<arch>.deb. Its dependencies come from the shared
# libraries the program links (dpkg-shlibdeps, from dpkg-dev), plus the Qt
# plugins it loads at run time, which no library links.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tallimark)
set(CPACK_PACKAGE_VENDOR "Ombrelle Technology")
set(CPACK_PACKAGE_CONTACT "Ombrelle Technology <tallimark@ombrelle.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "print sequentially numbered forms and tickets")
set(CPACK_PACKAGE_DESCRIPTION
    "Tallimark prints sequentially numbered pages: numbered forms, tickets and multi-part form sets. \
A template holds the paper and the numbering heads placed on it; the numbering settings turn it into a \
print job, printed through CUPS, previewed, or exported as PDF from the window or the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The SVG icons are drawn by a plugin that nothing links.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, cups-client")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "x-www-browser")
include(CPack)
