# A Debian package of whatever the project installs: `cpack -G DEB` in a build tree.
# Every target with an install rule goes in, so a new program (say a command-line tool
# with its own install rule) is packaged without a change here.
set(CPACK_PACKAGE_NAME veskora)
set(CPACK_PACKAGE_VENDOR "Veskora Scoring Team")
set(CPACK_PACKAGE_CONTACT "Veskora Scoring Team <support@veskora.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Score and keep the results of 100-hue colour-arrangement tests")
set(CPACK_PACKAGE_DESCRIPTION
    "A desktop program for examiners who give the 100-hue colour-arrangement test of colour
discrimination. It computes the error score of every cap, the Total Error Score, a
discrimination class, percentiles and a Vingrys analysis, draws polar and linear charts,
prints a one-page report or writes it as PDF, keeps every test in a searchable SQLite file
and exchanges tests as CSV and with two older record formats.")
# The version is the project's, as everywhere else.
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# Library dependencies come from dpkg-shlibdeps; the SQLite driver is a plugin Qt loads at
# run time, so no linked library names it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt5sql5-sqlite")
# The report's serif font, and Qt's own dialogs in the interface's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2, qttranslations5-l10n")

include(CPack)
