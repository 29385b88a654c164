# cmake -D BUILD_DIR=... -D PREFIX=... -D PROGRAM=... -D RESOURCES=... -D APP_ID=...
#       -D ICON_SIZES=16,22,... -P install_check.cmake
#
# Runs `cmake --install BUILD_DIR --prefix PREFIX` into an empty PREFIX and
# checks the program, Help.Txt beside it, the desktop entry, its icons, the
# metadata and the manual pages.

if(PROGRAM STREQUAL "")
  message("install check skipped: this build has no quorvex program")
else()
  set(faults "")

  # the build itself keeps the help beside the program it starts from the build folder
  get_filename_component(program_dir ${PROGRAM} DIRECTORY)
  if(NOT EXISTS ${program_dir}/Help.Txt)
    list(APPEND faults "the build has no Help.Txt beside ${PROGRAM}")
  endif()

  file(REMOVE_RECURSE ${PREFIX})
  execute_process(
    COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${result}):\n${output}")
  endif()

  set(installed_program ${PREFIX}/bin/quorvex)
  set(desktop_file ${PREFIX}/share/applications/${APP_ID}.desktop)
  set(icon ${PREFIX}/share/icons/hicolor/scalable/apps/${APP_ID}.svg)
  string(REPLACE "," ";" ICON_SIZES "${ICON_SIZES}")
  set(pngs "")
  foreach(size IN LISTS ICON_SIZES)
    list(APPEND pngs ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
  endforeach()
  foreach(path IN ITEMS ${installed_program} ${PREFIX}/bin/Help.Txt ${desktop_file} ${icon} ${pngs}
                        ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml
                        ${PREFIX}/share/man/man1/quorvex.1.gz
                        ${PREFIX}/share/man/zh_CN/man1/quorvex.1.gz)
    if(NOT EXISTS ${path})
      list(APPEND faults "not installed: ${path}")
    endif()
  endforeach()

  # whole copies, not truncated or stale ones
  foreach(pair IN ITEMS "${PROGRAM}|${installed_program}"
                        "${RESOURCES}/Help.Txt|${PREFIX}/bin/Help.Txt")
    string(REPLACE "|" ";" pair "${pair}")
    list(GET pair 0 from)
    list(GET pair 1 to)
    if(EXISTS ${to})
      file(SHA256 ${from} want)
      file(SHA256 ${to} got)
      if(NOT want STREQUAL got)
        list(APPEND faults "${to} differs from ${from}")
      endif()
    endif()
  endforeach()

  if(EXISTS ${installed_program})
    execute_process(COMMAND test -x ${installed_program} RESULT_VARIABLE not_executable)
    if(not_executable)
      list(APPEND faults "${installed_program} is not executable")
    endif()
  endif()

  # a PNG's size is in its header: bytes 16 to 23 hold width and height
  foreach(size png IN ZIP_LISTS ICON_SIZES pngs)
    if(EXISTS ${png})
      file(READ ${png} header LIMIT 24 HEX)
      string(SUBSTRING "${header}" 32 16 dimensions)
      math(EXPR want "${size}" OUTPUT_FORMAT HEXADECIMAL)
      string(REPLACE "0x" "" want "${want}")
      string(LENGTH "${want}" digits)
      math(EXPR pad "8 - ${digits}")
      string(REPEAT "0" ${pad} zeros)
      if(NOT dimensions STREQUAL "${zeros}${want}${zeros}${want}")
        list(APPEND faults "${png} is not ${size}x${size} (header ${dimensions})")
      endif()
    endif()
  endforeach()

  # the plain install keeps the program's files where a source build has them
  # and nothing of the package's own
  foreach(path IN ITEMS ${PREFIX}/lib/quorvex ${PREFIX}/share/doc/quorvex)
    if(EXISTS ${path})
      list(APPEND faults "installed only by the package, yet present: ${path}")
    endif()
  endforeach()

  # the entry must start the installed program and name the installed icon
  if(EXISTS ${desktop_file})
    file(READ ${desktop_file} entry)
    string(REPLACE "\r" "" entry "\n${entry}\n")
    foreach(line IN ITEMS "[Desktop Entry]" "Type=Application" "Name=Quorvex" "Exec=quorvex"
                          "Icon=${APP_ID}")
      string(FIND "${entry}" "\n${line}\n" at)
      if(at EQUAL -1)
        list(APPEND faults "${APP_ID}.desktop lacks the line ${line}")
      endif()
    endforeach()
    # kept out of the loop above: CMake would split the line at its semicolons
    string(FIND "${entry}" "\nCategories=Utility;Calculator;\n" at)
    if(at EQUAL -1)
      list(APPEND faults "${APP_ID}.desktop is not in the Utility and Calculator categories")
    endif()
  endif()

  if(faults)
    list(JOIN faults "\n  " text)
    message(FATAL_ERROR "install into ${PREFIX}:\n  ${text}")
  endif()
  message("installed into ${PREFIX}: program, Help.Txt, desktop entry, icons, metadata, manual pages")
endif()
