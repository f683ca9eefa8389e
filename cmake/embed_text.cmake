# Turns a text file of lines into a C++ source defining a wide string with those lines.
# Called as: cmake -DINPUT=... -DOUTPUT=... -DSYMBOL=... -P embed_text.cmake
file(STRINGS "${INPUT}" lines ENCODING UTF-8)
set(body "")
foreach(line IN LISTS lines)
  string(REPLACE "\\" "\\\\" line "${line}")
  string(REPLACE "\"" "\\\"" line "${line}")
  string(APPEND body "    L\"${line}\\n\"\n")
endforeach()
file(WRITE "${OUTPUT}.tmp" "// Generated from ${INPUT}; edit that file instead.\nextern const wchar_t* const ${SYMBOL};\nconst wchar_t* const ${SYMBOL} =\n${body}    L\"\";\n")
execute_process(COMMAND ${CMAKE_COMMAND} -E copy_if_different "${OUTPUT}.tmp" "${OUTPUT}")
file(REMOVE "${OUTPUT}.tmp")
