# What a desktop and a software centre need to know about Quorvex: its
# application id, the icons rendered from the one SVG, the AppStream metadata
# and the manual pages. Generated into the build folder; Install.cmake
# installs them and app/ builds the icons into the program.
#
# Included from the top-level CMakeLists.txt before app/.

set(QUORVEX_APP_ID io.github.quorvex.Quorvex)
# the date of this version's release, changed together with the project's
# VERSION; it goes into the metadata, the manual pages and the package's
# changelog
set(QUORVEX_RELEASE_DATE 2026-12-07)
set(QUORVEX_RELEASE_DATE_RFC2822 "Mon, 07 Dec 2026 12:00:00 +0000")
set(QUORVEX_ICON_SIZES 16 22 24 32 48 64 128 256)

set(QUORVEX_RESOURCES ${CMAKE_CURRENT_LIST_DIR}/../resources)
cmake_path(NORMAL_PATH QUORVEX_RESOURCES)
set(QUORVEX_DESKTOP_DIR ${CMAKE_BINARY_DIR}/desktop)

if(QUORVEX_UI)
  # The PNGs are rendered from the SVG at build time, so they can never drift
  # from it. rsvg-convert comes with Debian's librsvg2-bin.
  find_program(RSVG_CONVERT rsvg-convert REQUIRED)
  set(QUORVEX_ICON_PNGS "")
  foreach(size IN LISTS QUORVEX_ICON_SIZES)
    set(png ${QUORVEX_DESKTOP_DIR}/icons/${size}x${size}/${QUORVEX_APP_ID}.png)
    add_custom_command(
      OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${QUORVEX_DESKTOP_DIR}/icons/${size}x${size}
      COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --keep-aspect-ratio
              --output ${png} ${QUORVEX_RESOURCES}/${QUORVEX_APP_ID}.svg
      DEPENDS ${QUORVEX_RESOURCES}/${QUORVEX_APP_ID}.svg
      COMMENT "Rendering the ${size}x${size} icon"
      VERBATIM)
    list(APPEND QUORVEX_ICON_PNGS ${png})
  endforeach()
  add_custom_target(quorvex_icons ALL DEPENDS ${QUORVEX_ICON_PNGS})
endif()

configure_file(${QUORVEX_RESOURCES}/${QUORVEX_APP_ID}.metainfo.xml.in
               ${QUORVEX_DESKTOP_DIR}/${QUORVEX_APP_ID}.metainfo.xml @ONLY)

# Manual pages go out compressed, as Debian wants them; man reads them either
# way. gzip -n leaves out the name and time, so the same page gives the same
# bytes.
find_program(GZIP gzip REQUIRED)
set(QUORVEX_MAN_PAGES "")
foreach(language IN ITEMS "" zh_CN)
  if(language STREQUAL "")
    set(from ${QUORVEX_RESOURCES}/man/quorvex.1)
    set(to ${QUORVEX_DESKTOP_DIR}/man/quorvex.1)
  else()
    set(from ${QUORVEX_RESOURCES}/man/${language}/quorvex.1)
    set(to ${QUORVEX_DESKTOP_DIR}/man/${language}/quorvex.1)
  endif()
  configure_file(${from} ${to} @ONLY)
  add_custom_command(
    OUTPUT ${to}.gz
    COMMAND ${GZIP} -9 -n -f -k ${to}
    DEPENDS ${to}
    VERBATIM)
  list(APPEND QUORVEX_MAN_PAGES ${to}.gz)
endforeach()

# The package's own documents: its changelog, in Debian's format
configure_file(${QUORVEX_RESOURCES}/debian/changelog.in ${QUORVEX_DESKTOP_DIR}/doc/changelog @ONLY)
add_custom_command(
  OUTPUT ${QUORVEX_DESKTOP_DIR}/doc/changelog.gz
  COMMAND ${GZIP} -9 -n -f -k ${QUORVEX_DESKTOP_DIR}/doc/changelog
  DEPENDS ${QUORVEX_DESKTOP_DIR}/doc/changelog
  VERBATIM)
add_custom_target(quorvex_documents ALL DEPENDS ${QUORVEX_MAN_PAGES}
                                                ${QUORVEX_DESKTOP_DIR}/doc/changelog.gz)
