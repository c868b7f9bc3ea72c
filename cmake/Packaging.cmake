# The Debian package, made by "cpack -G DEB" in a release tree configured with the prefix /usr
# (scripts/package.sh). CPack installs with DESTDIR, so that the install record names the
# packaged data folder, /usr/share/lexmint/, and not the staging folder.
set(CPACK_PACKAGE_NAME lexmint)
set(CPACK_PACKAGE_VENDOR "Orvanel Software")
set(CPACK_PACKAGE_CONTACT "Orvanel Software <lexmint@orvanel-software.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "personal foreign-language vocabulary builder and trainer")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Lex Mint keeps a personal vocabulary of a foreign language in one file per vocabulary: "
  "each entry is a word or phrase with its definition lines and test statistics. Browse, add, "
  "edit and find entries in a data sheet and test yourself; Lex Mint switches keyboard layouts "
  "per field while you type.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_SET_DESTDIR ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.orvanel-software.example/lexmint")
# Shared libraries are found by dpkg-shlibdeps; Qt's plugins are loaded at run time, so the
# package that holds the SQLite driver is named here (the SVG engines come with libqt6svg6).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, fonts-dejavu-core, qt6-translations-l10n")
include(CPack)
