# The Debian package: everything the install rules lay out, under /usr.
# `cpack -G DEB` in a configured build folder writes scribant_<version>_amd64.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME scribant)
set(CPACK_PACKAGE_VENDOR "The Scribant developers")
set(CPACK_PACKAGE_CONTACT "Scribant developers <team@scribant.dev>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "fast text and source-code editor")
set(CPACK_PACKAGE_DESCRIPTION
    "Scribant edits one text document in one window, with a line-number gutter,\n\
syntax highlighting driven by style files, word wrap, grouped undo, find and\n\
replace with history and the text tools programmers reach for.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The runtime packages of the libraries the program links, found by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
