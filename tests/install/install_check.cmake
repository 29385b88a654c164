# cmake -D BUILD_DIR=... -D PREFIX=... -D PROGRAM=... -D RESOURCES=... -P install_check.cmake
#
# Runs `cmake --install BUILD_DIR --prefix PREFIX` into an empty PREFIX and
# checks the program, Help.Txt beside it, the desktop entry and its icon.

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
  set(desktop_file ${PREFIX}/share/applications/quorvex.desktop)
  set(icon ${PREFIX}/share/icons/hicolor/scalable/apps/quorvex.svg)
  foreach(path IN ITEMS ${installed_program} ${PREFIX}/bin/Help.Txt ${desktop_file} ${icon})
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

  # the entry must start the installed program and name the installed icon
  if(EXISTS ${desktop_file})
    file(READ ${desktop_file} entry)
    string(REPLACE "\r" "" entry "\n${entry}\n")
    foreach(line IN ITEMS "[Desktop Entry]" "Type=Application" "Name=Quorvex" "Exec=quorvex"
                          "Icon=quorvex")
      string(FIND "${entry}" "\n${line}\n" at)
      if(at EQUAL -1)
        list(APPEND faults "quorvex.desktop lacks the line ${line}")
      endif()
    endforeach()
    # kept out of the loop above: CMake would split the line at its semicolons
    string(FIND "${entry}" "\nCategories=Utility;Calculator;\n" at)
    if(at EQUAL -1)
      list(APPEND faults "quorvex.desktop is not in the Utility and Calculator categories")
    endif()
  endif()

  if(faults)
    list(JOIN faults "\n  " text)
    message(FATAL_ERROR "install into ${PREFIX}:\n  ${text}")
  endif()
  message("installed into ${PREFIX}: program, Help.Txt, desktop entry and icon")
endif()
