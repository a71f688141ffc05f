# Installation (binary, desktop entry, icon) and the Debian package.
if(NOYALIS_BUILD_UI)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/noyalis.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
  # The software-centre entry: summary, description, the five languages, screenshots.
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/org.noyalis.noyalis.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)
  # Takes those screenshots from the program itself (tools/take_screenshots.sh); not installed.
  add_executable(noyalis_screenshots EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/../tools/take_screenshots.cpp)
  target_link_libraries(noyalis_screenshots PRIVATE noyalis_menu)
endif()

set(CPACK_PACKAGE_NAME noyalis)
set(CPACK_PACKAGE_VENDOR "Noyalis")
set(CPACK_PACKAGE_CONTACT "Noyalis developers <noyalis@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Simulated school radioactivity laboratory")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windowing plugin is loaded at run time, so no library dependency names it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_GENERATOR DEB)
include(CPack)

# The software-centre metadata stays valid (offline: the screenshot addresses are not fetched).
find_program(NOYALIS_APPSTREAMCLI appstreamcli)
if(NOYALIS_BUILD_TESTS AND NOYALIS_APPSTREAMCLI)
  add_test(NAME appstream_metadata
           COMMAND ${NOYALIS_APPSTREAMCLI} validate --no-net ${CMAKE_CURRENT_LIST_DIR}/org.noyalis.noyalis.metainfo.xml)
endif()
