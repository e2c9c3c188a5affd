# make package: a Debian package whose dependencies are computed from the libraries the programs
# really link (dpkg-shlibdeps).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarabead)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tarabead developers")
set(CPACK_PACKAGE_CONTACT "The Tarabead developers <maintainers@tarabead.org>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Tarabead developers <maintainers@tarabead.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "birth nakshatra reading with Rudraksha recommendations")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "birth nakshatra reading with Rudraksha recommendations
 Tarabead computes the Moon's sidereal position at a person's birth, names
 the birth nakshatra and writes two illustrated reports: the nakshatra's
 attributes and character, and the Rudraksha beads that answer to its ruling
 planet. Readings can be saved, opened, printed and exported as PDF.
 .
 The package also holds tarabead-cli, a command-line companion for the same
 calculation.")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://tarabead.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
