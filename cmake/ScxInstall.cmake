# What `cmake --install` puts into a prefix, and the Debian package CPack makes of it:
#   bin/scx, bin/scxagent, bin/scxhub
#   share/applications/*.desktop, share/icons/hicolor/scalable/apps/*.svg (the two windows)
#   share/scrutinex/sampledb/ (the sample checklist database's sources; `scx db build` makes the
#     database files from them in the user's data folder)
#   share/man/man1/scx.1.gz, share/doc/scrutinex/
# An installed program finds share/scrutinex/ beside its bin/ and therefore keeps its data in
# $XDG_DATA_HOME/scrutinex/, never beside itself (platform/posix/folders_posix.cpp).
include(GNUInstallDirs)

install(TARGETS scx RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(NOT SCX_LIBS_ONLY)
  install(TARGETS scxagent scxhub RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES resources/scxagent.desktop resources/scxhub.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES resources/icons/scxagent.svg resources/icons/scxhub.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()
install(DIRECTORY data/sampledb/ DESTINATION ${CMAKE_INSTALL_DATADIR}/scrutinex/sampledb)

# Manual pages are installed compressed, as Debian keeps them.
find_program(SCX_GZIP gzip REQUIRED)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/scx.1.gz
                   COMMAND ${SCX_GZIP} -9n -c ${PROJECT_SOURCE_DIR}/docs/scx.1 > ${CMAKE_BINARY_DIR}/scx.1.gz
                   DEPENDS ${PROJECT_SOURCE_DIR}/docs/scx.1 VERBATIM)
add_custom_target(scx-man-page ALL DEPENDS ${CMAKE_BINARY_DIR}/scx.1.gz)
install(FILES ${CMAKE_BINARY_DIR}/scx.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES README.md docs/user-guide-ko.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/scrutinex)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME scrutinex)
set(CPACK_PACKAGE_VENDOR "Scrutinex")
set(CPACK_PACKAGE_CONTACT "Scrutinex developers <scrutinex@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "software-licence audit: inspection agent, examiner's workstation, scx")
set(CPACK_PACKAGE_DESCRIPTION
    "scxagent inspects a PC's installed software against a checklist database and writes one\n"
    "result file per PC; scxhub, the examiner's workstation, aggregates those files, sets installs\n"
    "against the licences held and prints usage reports; scx runs every non-interactive job of\n"
    "both from the command line.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)   # dpkg-shlibdeps (dpkg-dev) names the shared libraries
set(CPACK_STRIP_FILES ON)
include(CPack)
