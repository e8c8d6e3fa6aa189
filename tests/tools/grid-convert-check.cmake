# Runs grid-convert between the exchange formats: conversions of stored
# files must give the stored results byte for byte, a round trip through
# every format must give the CSV it started from, and a refused input must
# fail with its reason and write nothing. Arguments: TOOL, DATA, WORK.
set(ENV{QT_QPA_PLATFORM} offscreen)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(convert from in to out)
  execute_process(COMMAND ${TOOL} ${from} ${in} ${to} ${out} RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "grid-convert ${from} ${in} ${to} failed (${rc}): ${err}")
  endif()
endfunction()

function(expect_same a b)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${a} ${b} RESULT_VARIABLE diff)
  if(NOT diff EQUAL 0)
    message(FATAL_ERROR "${a} differs from ${b}")
  endif()
endfunction()

# Stored conversions.
convert(text ${DATA}/six-lines.txt csv ${WORK}/six-lines.csv)
expect_same(${WORK}/six-lines.csv ${DATA}/convert/six-lines.csv)
convert(csv ${DATA}/quoting.csv xml ${WORK}/quoting.xml)
expect_same(${WORK}/quoting.xml ${DATA}/convert/quoting.xml)
convert(csv ${DATA}/quoting.csv html ${WORK}/quoting.html)
expect_same(${WORK}/quoting.html ${DATA}/convert/quoting.html)
convert(fixed ${DATA}/fixed.txt text ${WORK}/fixed.txt)
expect_same(${WORK}/fixed.txt ${DATA}/convert/fixed-as-text.txt)

# Round trips of awkward texts through every readable format; the text
# format keeps only the first line of a cell by default, so its round trip
# has no line breaks.
foreach(trip "binary;awkward" "xml;awkward" "csv;awkward" "text;awkward-flat")
  list(GET trip 0 kind)
  list(GET trip 1 name)
  set(start ${DATA}/convert/${name}.csv)
  convert(csv ${start} ${kind} ${WORK}/${name}.${kind})
  convert(${kind} ${WORK}/${name}.${kind} csv ${WORK}/${name}-back-${kind}.csv)
  expect_same(${WORK}/${name}-back-${kind}.csv ${start})
endforeach()

# Refused inputs: the reason, a non-zero exit and no output.
file(WRITE ${WORK}/zero.txt "0,3\r\n1,1,x\r\n")
file(WRITE ${WORK}/broken.xml "<grid><row><a>x</row>")
foreach(bad "text;${WORK}/zero.txt;corrupt" "xml;${WORK}/broken.xml;Parsing error"
            "csv;${DATA}/convert/bom-only.csv;empty" "binary;${DATA}/quoting.csv;stream format"
            "html;${WORK}/quoting.html;not read" "csv;${WORK}/missing.csv;missing")
  list(GET bad 0 kind)
  list(GET bad 1 file)
  list(GET bad 2 reason)
  execute_process(COMMAND ${TOOL} ${kind} ${file} csv ${WORK}/refused.csv RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(rc EQUAL 0 OR NOT err MATCHES "${reason}")
    message(FATAL_ERROR "${kind} ${file} must be refused with '${reason}' (${rc}): ${err}")
  endif()
  if(EXISTS ${WORK}/refused.csv)
    message(FATAL_ERROR "a refused ${kind} input must write nothing")
  endif()
endforeach()
message(STATUS "grid-convert: conversions match the stored files")
