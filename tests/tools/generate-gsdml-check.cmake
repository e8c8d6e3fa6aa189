# Runs "generate gsdml" on the stored example configurations and compares
# each file with the stored GSDML; every written file must be well-formed XML
# (xmllint). Then a parameter file that is not XML must fail the run with its
# name and leave no file. Arguments: TOOL, DATA (folder of the examples), WORK.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/bad)
find_program(XMLLINT xmllint)
if(NOT XMLLINT)
  message(FATAL_ERROR "xmllint is missing: scripts/setup.sh installs it (libxml2-utils)")
endif()
foreach(example default crossed blank_name)
  execute_process(COMMAND ${TOOL} gsdml ${DATA}/${example} ${WORK}/${example}.xml
                  RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "generate gsdml ${example} failed (${rc}): ${err}")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/${example}.xml ${DATA}/${example}/expected.xml
                  RESULT_VARIABLE diff)
  if(NOT diff EQUAL 0)
    message(FATAL_ERROR "the GSDML of ${example} differs from the stored one")
  endif()
  execute_process(COMMAND ${XMLLINT} --noout ${WORK}/${example}.xml RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "the GSDML of ${example} is not well-formed XML: ${err}")
  endif()
endforeach()

file(WRITE ${WORK}/bad/ParGen.xml "<Par_Gen><PROFINET_NB_IN>20</Par_Gen>")
execute_process(COMMAND ${TOOL} gsdml ${WORK}/bad ${WORK}/bad/out.xml RESULT_VARIABLE rc ERROR_VARIABLE err)
if(rc EQUAL 0 OR NOT err MATCHES "ParGen.xml")
  message(FATAL_ERROR "a broken parameter file must fail the run with its name (${rc}): ${err}")
endif()
if(EXISTS ${WORK}/bad/out.xml)
  message(FATAL_ERROR "a refused GSDML must write nothing")
endif()
message(STATUS "generate gsdml: the written files match the stored ones and are well-formed")
