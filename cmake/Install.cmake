# Help text beside the executable, and the install rules that make Quorvex a
# desktop program: `cmake --install` puts the program in bin with Help.Txt
# beside it (the program opens it from its own folder), a freedesktop entry in
# share/applications, its icons in the hicolor theme, its AppStream metadata
# and its manual pages.
#
# The Debian package keeps only programs in /usr/bin: there the program and
# Help.Txt live in a folder of their own, lib/quorvex, with a link to the
# program in bin (the program finds its folder through the link). Those rules
# belong to the component "Packaged", which only the package installs.
#
# Included from the top-level CMakeLists.txt after the program target exists,
# and after Desktop.cmake, which generates the files installed here.

include(GNUInstallDirs)

if(CMAKE_RUNTIME_OUTPUT_DIRECTORY)
  set(quorvex_help_dir ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
else()
  set(quorvex_help_dir ${CMAKE_BINARY_DIR})
endif()

# Copied again whenever the text changes, so the build folder never holds a
# stale help file.
add_custom_command(
  OUTPUT ${quorvex_help_dir}/Help.Txt
  COMMAND ${CMAKE_COMMAND} -E make_directory ${quorvex_help_dir}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${QUORVEX_RESOURCES}/Help.Txt
          ${quorvex_help_dir}/Help.Txt
  DEPENDS ${QUORVEX_RESOURCES}/Help.Txt
  COMMENT "Copying Help.Txt beside the program"
  VERBATIM)
add_custom_target(quorvex_help ALL DEPENDS ${quorvex_help_dir}/Help.Txt)

if(TARGET quorvex)
  add_dependencies(quorvex quorvex_help)

  install(TARGETS quorvex RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT Program)
  install(FILES ${QUORVEX_RESOURCES}/Help.Txt DESTINATION ${CMAKE_INSTALL_BINDIR}
          COMPONENT Program)

  set(private_dir lib/quorvex)
  install(TARGETS quorvex RUNTIME DESTINATION ${private_dir} COMPONENT Packaged EXCLUDE_FROM_ALL)
  install(FILES ${QUORVEX_RESOURCES}/Help.Txt DESTINATION ${private_dir} COMPONENT Packaged
          EXCLUDE_FROM_ALL)
  file(MAKE_DIRECTORY ${QUORVEX_DESKTOP_DIR}/link)
  file(CREATE_LINK ../${private_dir}/quorvex ${QUORVEX_DESKTOP_DIR}/link/quorvex SYMBOLIC)
  install(FILES ${QUORVEX_DESKTOP_DIR}/link/quorvex DESTINATION ${CMAKE_INSTALL_BINDIR}
          COMPONENT Packaged EXCLUDE_FROM_ALL)
  install(FILES ${QUORVEX_RESOURCES}/debian/copyright ${QUORVEX_DESKTOP_DIR}/doc/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quorvex COMPONENT Packaged EXCLUDE_FROM_ALL)

  install(FILES ${QUORVEX_RESOURCES}/${QUORVEX_APP_ID}.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT Desktop)
  install(FILES ${QUORVEX_DESKTOP_DIR}/${QUORVEX_APP_ID}.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo COMPONENT Desktop)
  install(FILES ${QUORVEX_RESOURCES}/${QUORVEX_APP_ID}.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT Desktop)
  foreach(size IN LISTS QUORVEX_ICON_SIZES)
    install(FILES ${QUORVEX_DESKTOP_DIR}/icons/${size}x${size}/${QUORVEX_APP_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            COMPONENT Desktop)
  endforeach()
  install(FILES ${QUORVEX_DESKTOP_DIR}/man/quorvex.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
          COMPONENT Desktop)
  install(FILES ${QUORVEX_DESKTOP_DIR}/man/zh_CN/quorvex.1.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/zh_CN/man1 COMPONENT Desktop)
endif()
