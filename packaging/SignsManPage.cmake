# Writes the manual page of velmora-signs with help2man: the tool's --help,
# and a COMMANDS section with the --help of every command it lists.
# Arguments: PROGRAM, HELP2MAN, VERSION, GZIP, OUTPUT (the page, .gz added).

execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --help failed: ${result}")
endif()

# The commands are the indented lines after "Commands:".
string(REGEX MATCH "Commands:\n(  [^\n]*\n)+" listing "${help}")
string(REGEX MATCHALL "\n  [a-z][a-z-]*" commands "${listing}")

set(include "[COMMANDS]\n")
foreach(command IN LISTS commands)
  string(STRIP "${command}" command)
  execute_process(COMMAND ${PROGRAM} ${command} --help OUTPUT_VARIABLE text RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} ${command} --help failed: ${result}")
  endif()
  # Each command's usage line becomes the heading of its paragraph.
  string(REGEX REPLACE "^Usage: ([^\n]*)\n\n?" "" body "${text}")
  string(REGEX MATCH "^Usage: [^\n]*" usage "${text}")
  string(REPLACE "Usage: " "" usage "${usage}")
  # Roff takes a line starting with "." or "'" as a request.
  string(REGEX REPLACE "\n([.'])" "\n\\\\&\\1" body "${body}")
  string(APPEND include ".TP\n.B ${usage}\n${body}\n")
endforeach()
string(APPEND include "[SEE ALSO]\n.BR velmora (1)\n")
file(WRITE ${OUTPUT}.include "${include}")

execute_process(
  COMMAND ${HELP2MAN} --no-info --locale=C.UTF-8 --version-string=${VERSION}
          "--name=converts ATF files to cuneiform, builds and inspects the sign data of the Velmora editor"
          --include=${OUTPUT}.include --output=${OUTPUT} ${PROGRAM}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "help2man failed: ${result}")
endif()
execute_process(COMMAND ${GZIP} -9nf ${OUTPUT} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "gzip failed: ${result}")
endif()
