# Help text beside the executable, and the install rules that make Quorvex a
# desktop program: `cmake --install` puts the program in bin with Help.Txt
# beside it (the program opens it from its own folder), a freedesktop entry in
# share/applications and its icon in the hicolor theme.
#
# Included from the top-level CMakeLists.txt after the program target exists.

include(GNUInstallDirs)

set(QUORVEX_RESOURCES ${CMAKE_CURRENT_LIST_DIR}/../resources)
cmake_path(NORMAL_PATH QUORVEX_RESOURCES)

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

  install(TARGETS quorvex RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${QUORVEX_RESOURCES}/Help.Txt DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${QUORVEX_RESOURCES}/quorvex.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${QUORVEX_RESOURCES}/quorvex.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()
