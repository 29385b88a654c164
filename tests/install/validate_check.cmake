# cmake -D PREFIX=... -D APP_ID=... -P validate_check.cmake
#
# Runs the desktop's own checkers on what install_tree put into PREFIX: the
# menu entry, the software centre's metadata and both manual pages must pass
# without an error or a warning.

set(faults "")

# Runs a checker; any failure or any remark it prints is a fault.
function(check what)
  execute_process(
    COMMAND ${ARGN}
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
  string(STRIP "${output}" output)
  if(NOT result EQUAL 0 OR NOT output STREQUAL "")
    set(faults "${faults}\n  ${what} (exit ${result}):\n${output}" PARENT_SCOPE)
  endif()
endfunction()

function(check_metainfo file)
  execute_process(
    COMMAND appstreamcli validate --no-net --format=yaml ${file}
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
  # the YAML report lists each remark with its severity; "pedantic" and
  # "info" remarks are advice, errors and warnings are faults
  if(NOT result EQUAL 0 OR output MATCHES "severity: (error|warning)")
    set(faults "${faults}\n  appstreamcli validate (exit ${result}):\n${output}" PARENT_SCOPE)
  endif()
endfunction()

check("desktop-file-validate" desktop-file-validate ${PREFIX}/share/applications/${APP_ID}.desktop)
check_metainfo(${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml)
# at the width of a terminal, as a reader sees them; --warnings makes troff
# report lines it cannot fill or break
foreach(page IN ITEMS man/man1/quorvex.1.gz man/zh_CN/man1/quorvex.1.gz)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l
            ${PREFIX}/share/${page}
    RESULT_VARIABLE result
    OUTPUT_VARIABLE text
    ERROR_VARIABLE warnings)
  if(NOT result EQUAL 0 OR NOT warnings STREQUAL "")
    string(APPEND faults "\n  man ${page} (exit ${result}):\n${warnings}")
  elseif(NOT text MATCHES "Help\\.Txt")
    string(APPEND faults "\n  man ${page} does not say where the help text is")
  endif()
endforeach()

if(faults)
  message(FATAL_ERROR "checks of the installed files failed:${faults}")
endif()
message("desktop entry, metadata and manual pages pass their checks")
