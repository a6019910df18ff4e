# What `cmake --install` puts where, and the Debian package made from the same files.
include(GNUInstallDirs)

set(BW_APP_ID example.brindlewick.Brindlewick)

configure_file(${PROJECT_SOURCE_DIR}/data/${BW_APP_ID}.metainfo.xml.in
  ${PROJECT_BINARY_DIR}/data/${BW_APP_ID}.metainfo.xml @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/data/brindlewick-report.1.in
  ${PROJECT_BINARY_DIR}/data/brindlewick-report.1 @ONLY)

install(TARGETS brindlewick brindlewick-report RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/${BW_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_BINARY_DIR}/data/${BW_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/${BW_APP_ID}.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/data/icons/${BW_APP_ID}.png
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
install(FILES ${PROJECT_BINARY_DIR}/data/brindlewick-report.1
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brindlewick)
set(CPACK_PACKAGE_VENDOR Varnholt)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turns a vehicle mileage log into a reimbursement form")
set(CPACK_PACKAGE_DESCRIPTION
  "Brindlewick turns a vehicle mileage log into a finished reimbursement form: type the employee data and the period, fill the grid of trips, preview the form and save it as a spreadsheet workbook. brindlewick-report makes the same report from scripts.")
set(CPACK_PACKAGE_CONTACT "Varnholt <support@brindlewick.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.brindlewick.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so invisible to the shared-library scan: the metric-compatible
# font the sheet falls back to, Qt's SVG icon plugin for the window icon and Qt's own
# translations for its dialogs. SQLite is linked, and named as well so that the package
# says what keeps the log; so is GeographicLib, which measures the imported drives.
set(BW_RUNTIME_DEPENDS
  "fonts-liberation, libqt6svg6, qt6-translations-l10n, libsqlite3-0, libgeographiclib23")
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${BW_RUNTIME_DEPENDS}")
include(CPack)
