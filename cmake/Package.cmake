# `cpack -G DEB` in a release build: vantrel_<version>_amd64.deb, with the
# libraries it needs found by dpkg-shlibdeps.
set(VANTREL_MAINTAINER "Vantrel developers <vantrel@users.noreply.github.com>"
  CACHE STRING "The maintainer named in the Debian package")

# Debian wants the copyright and a compressed changelog in the package's
# documentation folder.
set(doc_folder ${CMAKE_INSTALL_DATADIR}/doc/vantrel)
configure_file(${CMAKE_SOURCE_DIR}/data/changelog.in ${CMAKE_BINARY_DIR}/package/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/package/changelog.gz
  COMMAND ${GZIP} -9nkf ${CMAKE_BINARY_DIR}/package/changelog
  DEPENDS ${CMAKE_BINARY_DIR}/package/changelog
  VERBATIM)
add_custom_target(vantrel_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/package/changelog.gz)
install(FILES ${CMAKE_SOURCE_DIR}/data/copyright ${CMAKE_BINARY_DIR}/package/changelog.gz
  DESTINATION ${doc_folder})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantrel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Vantrel developers")
set(CPACK_PACKAGE_CONTACT "${VANTREL_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "browse Windows system error codes defined in C headers")
# Debian shows the description as written, so the lines are kept short.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Vantrel reads C and C++ headers such as winerror.h and lists every #define"
  "whose name starts with a chosen prefix as a sortable table of codes. It"
  "finds codes by name or value, opens a header at the declaring line, copies"
  "codes in a chosen layout, turns a list of codes into a switch statement,"
  "and shows the system's message text for a code, read from Wine's message"
  "table.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VANTREL_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/vantrel/vantrel)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The tool bar's pictures are SVG, read by a Qt plugin that no library of the
# program links, so the library scan cannot find it: without it every button
# is blank.
set(CPACK_DEBIAN_PACKAGE_DEPENDS libqt6svg6)
# Wine's kernelbase.dll holds the message texts; the mingw-w64 headers are
# the ones to load.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS libwine)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS mingw-w64-common)

include(CPack)
