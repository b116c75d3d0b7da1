# What `cmake --install` puts where (GNUInstallDirs), and the Debian package
# `cpack -G DEB` builds from it. An installed program keeps its files in the
# user's XDG folders (core/record/cappdirs.h); the GBK table and the
# translations go to share/vesmira.

set(VESMIRA_APP_ID org.vesmira.Vesmira)
set(_linux ${CMAKE_SOURCE_DIR}/resources/linux)
set(VESMIRA_INSTALL_GEN ${CMAKE_BINARY_DIR}/install)
file(MAKE_DIRECTORY ${VESMIRA_INSTALL_GEN})

install(TARGETS vesmira vesmira-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${VESMIRA_APP_DIR}/config/gbk_code.txt DESTINATION ${CMAKE_INSTALL_DATADIR}/vesmira)
# The programs load the copies embedded in them; these are for whoever wants
# to see or compare them.
install(FILES ${_app_qm} DESTINATION ${CMAKE_INSTALL_DATADIR}/vesmira/translations)

# Desktop entry and AppStream metainfo.
install(FILES ${_linux}/${VESMIRA_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
configure_file(${_linux}/${VESMIRA_APP_ID}.metainfo.xml ${VESMIRA_INSTALL_GEN}/${VESMIRA_APP_ID}.metainfo.xml @ONLY)
install(FILES ${VESMIRA_INSTALL_GEN}/${VESMIRA_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icons: every size of the window's icon file, in the hicolor layout.
add_executable(icon-sizes ${_linux}/iconsizes.cpp)
target_link_libraries(icon-sizes PRIVATE Qt5::Gui)
set_target_properties(icon-sizes PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
set(_icon_file ${CMAKE_SOURCE_DIR}/resources/image/logo_neut.ico)
add_custom_command(
  OUTPUT ${VESMIRA_INSTALL_GEN}/icons.stamp
  COMMAND ${CMAKE_COMMAND} -E remove_directory ${VESMIRA_INSTALL_GEN}/icons
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:icon-sizes> ${_icon_file} ${VESMIRA_INSTALL_GEN}/icons ${VESMIRA_APP_ID}
  COMMAND ${CMAKE_COMMAND} -E touch ${VESMIRA_INSTALL_GEN}/icons.stamp
  DEPENDS icon-sizes ${_icon_file}
  COMMENT "Writing the icons of every size")
add_custom_target(vesmira_icons ALL DEPENDS ${VESMIRA_INSTALL_GEN}/icons.stamp)
install(DIRECTORY ${VESMIRA_INSTALL_GEN}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

# The manual page of vesmira-cli, compressed as Debian keeps them.
configure_file(${_linux}/vesmira-cli.1 ${VESMIRA_INSTALL_GEN}/vesmira-cli.1 @ONLY)
add_custom_command(
  OUTPUT ${VESMIRA_INSTALL_GEN}/vesmira-cli.1.gz
  COMMAND gzip -9nkf ${VESMIRA_INSTALL_GEN}/vesmira-cli.1
  DEPENDS ${VESMIRA_INSTALL_GEN}/vesmira-cli.1
  COMMENT "Compressing the manual page")
add_custom_target(vesmira_man ALL DEPENDS ${VESMIRA_INSTALL_GEN}/vesmira-cli.1.gz)
install(FILES ${VESMIRA_INSTALL_GEN}/vesmira-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

install(FILES ${_linux}/vesmira-cli.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME vesmira-cli)

# The receiving dock as a service: a user unit, a system unit and the
# system unit's user. The units name the program without its folder:
# systemd finds it in /usr/bin or /usr/local/bin.
install(FILES ${_linux}/vesmira-watch.user.service DESTINATION lib/systemd/user RENAME vesmira-watch.service)
install(FILES ${_linux}/vesmira-watch.system.service DESTINATION lib/systemd/system
        RENAME vesmira-watch.service)
install(FILES ${_linux}/vesmira.sysusers.conf DESTINATION lib/sysusers.d RENAME vesmira.conf)

# ---------------------------------------------------------------- package
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vesmira)
set(CPACK_PACKAGE_VENDOR "Vesmira")
set(CPACK_PACKAGE_CONTACT "Vesmira developers <vesmira@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "host application for USB temperature and humidity data loggers")
set(CPACK_PACKAGE_DESCRIPTION
  "Vesmira reads the report a USB temperature or temperature/humidity logger keeps on its drive,\n\
keeps every trip in a history (SQLite, or PostgreSQL for a whole site), shows summary, curve and\n\
samples, exports its own PDF data report and CSV, and configures loggers for their next trip.\n\
vesmira-cli does the same without a window; vesmira-cli watch, also as a systemd service, reads,\n\
files and re-arms every logger plugged in at a receiving dock.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded as plugins, which dpkg-shlibdeps cannot see.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt5sql5-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt5sql5-psql")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${_linux}/postinst)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
