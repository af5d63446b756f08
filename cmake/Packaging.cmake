# Installation layout and the Debian package.
#
#   bin/                              the programs
#   share/nimbosoft/help/             the Turkish user guide ("Yardım")
#   share/applications/, share/icons/hicolor/scalable/apps/, share/metainfo/
#   share/man/man1/                   manual pages written from each program's --help
#
# The programs find share/nimbosoft from their own folder (Paths::dataDir), so the same
# binaries work in the build tree (help/ beside them) and installed.
include(GNUInstallDirs)

set(NIMBO_APP_ID com.nimbosoft.NimboSoft)
set(NIMBO_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)

# The guide beside the binaries of a build, refreshed whenever a page changes.
file(GLOB_RECURSE NIMBO_HELP_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/help/*)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/help.stamp
                   COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/help
                   COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/docs/help
                           ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/help
                   COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/help.stamp
                   DEPENDS ${NIMBO_HELP_FILES}
                   COMMENT "Copying the user guide")
add_custom_target(nimbo_help ALL DEPENDS ${CMAKE_BINARY_DIR}/help.stamp)

# Program target, the desktop entry it gets (empty: none) and its man page summary.
set(NIMBO_PROGRAMS nimbo nimbo-admin nimbo-bench)
set(NIMBO_INSTALLED_PROGRAMS nimbo nimbo-admin)
set(_summary_nimbo "NimboSoft ticari işletme yönetimi programı")
set(_summary_nimbo-admin "NimboSoft bakım programı: veritabanları, şema güncelleme, deneme firması")
set(_summary_nimbo-bench "NimboSoft ölçüm programı")
set(_summary_nimbo-muhasebe "NimboSoft genel muhasebe programı")
set(_desktop_nimbo ${NIMBO_APP_ID})
set(_desktop_nimbo-admin ${NIMBO_APP_ID}.Bakim)
set(_desktop_nimbo-muhasebe ${NIMBO_APP_ID}.Muhasebe)
# The ledger program joins the package once it is built.
if(TARGET nimbo-muhasebe)
  list(APPEND NIMBO_PROGRAMS nimbo-muhasebe)
  list(APPEND NIMBO_INSTALLED_PROGRAMS nimbo-muhasebe)
endif()

configure_file(${NIMBO_PACKAGING_DIR}/NimboVersion.h.in ${CMAKE_BINARY_DIR}/generated/NimboVersion.h @ONLY)
add_library(nimbo_version INTERFACE)
target_include_directories(nimbo_version INTERFACE ${CMAKE_BINARY_DIR}/generated)

set(NIMBO_MAN_PAGES)
foreach(prog ${NIMBO_PROGRAMS})
  target_link_libraries(${prog} PRIVATE nimbo_version)
  set(page ${CMAKE_BINARY_DIR}/man/${prog}.1)
  add_custom_command(OUTPUT ${page} ${page}.gz
                     COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${CMAKE_COMMAND}
                             -DPROGRAM=$<TARGET_FILE:${prog}> -DNAME=${prog} "-DSUMMARY=${_summary_${prog}}"
                             -DVERSION=${PROJECT_VERSION} -DOUT=${page} -P ${CMAKE_SOURCE_DIR}/cmake/ManPage.cmake
                     DEPENDS ${prog} ${CMAKE_SOURCE_DIR}/cmake/ManPage.cmake
                     COMMENT "Writing the manual page of ${prog}")
  list(APPEND NIMBO_MAN_PAGES ${page})
endforeach()
add_custom_target(nimbo_man_pages ALL DEPENDS ${NIMBO_MAN_PAGES})

install(TARGETS ${NIMBO_INSTALLED_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/docs/help DESTINATION ${CMAKE_INSTALL_DATADIR}/nimbosoft)
foreach(prog ${NIMBO_INSTALLED_PROGRAMS})
  install(FILES ${CMAKE_BINARY_DIR}/man/${prog}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  set(id ${_desktop_${prog}})
  install(FILES ${NIMBO_PACKAGING_DIR}/${id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${NIMBO_PACKAGING_DIR}/icons/${id}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endforeach()
install(FILES ${NIMBO_PACKAGING_DIR}/${NIMBO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${NIMBO_PACKAGING_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/nimbosoft)

# cpack -G DEB → nimbosoft_<version>_amd64.deb. Libraries the programs link are found by
# dpkg-shlibdeps; what they load at run time is named here.
set(CPACK_PACKAGE_NAME nimbosoft)
set(CPACK_PACKAGE_VENDOR NimboSoft)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Ticari işletme yönetimi: cari, stok, belgeler, kasa, banka, muhasebe")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "NimboSoft keeps the current accounts, stock, sales and purchase documents, cash desks, banks,\n"
       "cheques and the general ledger of a small or medium trading company. It runs on an embedded\n"
       "SQLite database or on a PostgreSQL server shared by many workstations.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "NimboSoft <destek@nimbosoft.com.tr>")
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.nimbosoft.com.tr")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Database drivers and Qt's own Turkish dialog texts are loaded, not linked.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6sql6-psql, qt6-translations-l10n")
include(CPack)
