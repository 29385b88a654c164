# cmake -D BUILD_DIR=... -D OUT=... -D VERSION=... -D APP_ID=... -D ICON_SIZES=16,22,...
#       -P deb_check.cmake
#
# Builds the Debian package from BUILD_DIR with cpack into OUT, checks its file
# list and control fields, and runs lintian on it: no error may be left. The
# tags lintian still reports are printed.

set(faults "")
file(REMOVE_RECURSE ${OUT})
execute_process(
  COMMAND cpack -G DEB --config ${BUILD_DIR}/CPackConfig.cmake -B ${OUT}
  WORKING_DIRECTORY ${BUILD_DIR}
  RESULT_VARIABLE result
  OUTPUT_VARIABLE output
  ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cpack failed (${result}):\n${output}")
endif()

execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE arch
                OUTPUT_STRIP_TRAILING_WHITESPACE)
set(deb ${OUT}/quorvex_${VERSION}_${arch}.deb)
if(NOT EXISTS ${deb})
  file(GLOB made ${OUT}/*.deb)
  message(FATAL_ERROR "no ${deb}; cpack made: ${made}")
endif()

# The file list: exactly these files, owned by root. The program and its help
# stay together in a folder of their own, reached through the link in bin.
string(REPLACE "," ";" ICON_SIZES "${ICON_SIZES}")
set(want
    "lrwxrwxrwx ./usr/bin/quorvex -> ../lib/quorvex/quorvex"
    "-rwxr-xr-x ./usr/lib/quorvex/quorvex"
    "-rw-r--r-- ./usr/lib/quorvex/Help.Txt"
    "-rw-r--r-- ./usr/share/applications/${APP_ID}.desktop"
    "-rw-r--r-- ./usr/share/metainfo/${APP_ID}.metainfo.xml"
    "-rw-r--r-- ./usr/share/icons/hicolor/scalable/apps/${APP_ID}.svg"
    "-rw-r--r-- ./usr/share/man/man1/quorvex.1.gz"
    "-rw-r--r-- ./usr/share/man/zh_CN/man1/quorvex.1.gz"
    "-rw-r--r-- ./usr/share/doc/quorvex/copyright"
    "-rw-r--r-- ./usr/share/doc/quorvex/changelog.gz")
foreach(size IN LISTS ICON_SIZES)
  list(APPEND want "-rw-r--r-- ./usr/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png")
endforeach()

execute_process(COMMAND dpkg-deb -c ${deb} OUTPUT_VARIABLE listing RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "dpkg-deb -c ${deb} failed")
endif()
string(REPLACE "\n" ";" lines "${listing}")
set(got "")
foreach(line IN LISTS lines)
  # permissions owner size date time path [-> target]
  if(line MATCHES "^([^ ]+) +([^ ]+) +[0-9]+ +[^ ]+ +[^ ]+ +(.*)$")
    set(mode ${CMAKE_MATCH_1})
    set(path "${CMAKE_MATCH_3}")
    if(NOT CMAKE_MATCH_2 STREQUAL "root/root")
      string(APPEND faults "\n  not owned by root: ${line}")
    endif()
    if(NOT mode MATCHES "^d")
      list(APPEND got "${mode} ${path}")
    endif()
  endif()
endforeach()
set(missing ${want})
list(REMOVE_ITEM missing ${got})
set(extra ${got})
list(REMOVE_ITEM extra ${want})
foreach(entry IN LISTS missing)
  string(APPEND faults "\n  missing from the package: ${entry}")
endforeach()
foreach(entry IN LISTS extra)
  string(APPEND faults "\n  not expected in the package: ${entry}")
endforeach()

# control fields
foreach(pair IN ITEMS "Package|^quorvex$" "Version|^${VERSION}$" "Architecture|^${arch}$"
                      "Section|^math$" "Maintainer|^[^<]+ <[^@>]+@[^>]+>$"
                      "Depends|libqt6widgets6" "Depends|xdg-utils" "Depends|fonts-wqy-microhei"
                      "Description|\n [^\n]*中文")
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 field)
  list(GET pair 1 pattern)
  execute_process(COMMAND dpkg-deb -f ${deb} ${field} OUTPUT_VARIABLE value
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT value MATCHES "${pattern}")
    string(APPEND faults "\n  control field ${field} is \"${value}\", wanted ${pattern}")
  endif()
endforeach()

# lintian prints one line per tag; "E:" lines are errors
execute_process(
  COMMAND lintian --fail-on error --display-level ">=info" ${deb}
  RESULT_VARIABLE result
  OUTPUT_VARIABLE tags
  ERROR_VARIABLE lintian_errors)
string(STRIP "${tags}" tags)
if(NOT result EQUAL 0)
  string(APPEND faults "\n  lintian (exit ${result}):\n${tags}\n${lintian_errors}")
endif()

if(faults)
  message(FATAL_ERROR "${deb}:${faults}")
endif()
if(tags STREQUAL "")
  set(tags "(none)")
endif()
message("${deb}: file list and control fields as expected; lintian remarks:\n${tags}")
