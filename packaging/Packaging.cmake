# Installation (binary, desktop entry, icon) and the Debian package.
if(NOYALIS_BUILD_UI)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/noyalis.desktop DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
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
