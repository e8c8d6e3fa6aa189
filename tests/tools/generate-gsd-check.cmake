# Runs "generate gsd" on the stored example configurations and compares each
# file with the stored GSD; then checks the refusals: no parameter file
# (message 1504), a parameter file that is not XML (its name) and more
# modules than a GSD numbers, each without a file written.
# Arguments: TOOL, DATA (folder of the examples), WORK.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/none ${WORK}/bad ${WORK}/huge)
foreach(example worked empty largest)
  execute_process(COMMAND ${TOOL} gsd ${DATA}/${example} ${WORK}/${example}.gsd
                  RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "generate gsd ${example} failed (${rc}): ${err}")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/${example}.gsd ${DATA}/${example}/expected.gsd
                  RESULT_VARIABLE diff)
  if(NOT diff EQUAL 0)
    message(FATAL_ERROR "the GSD of ${example} differs from the stored one")
  endif()
endforeach()

execute_process(COMMAND ${TOOL} gsd ${WORK}/none ${WORK}/none/out.gsd RESULT_VARIABLE rc ERROR_VARIABLE err)
if(rc EQUAL 0 OR NOT err MATCHES "Please set the Set Communication Parameter before to create the GSD file")
  message(FATAL_ERROR "no parameter file must fail with message 1504 (${rc}): ${err}")
endif()
file(WRITE ${WORK}/bad/ParGen.xml "<Par_Gen><PROFINET_NB_IN>20")
execute_process(COMMAND ${TOOL} gsd ${WORK}/bad ${WORK}/bad/out.gsd RESULT_VARIABLE rc ERROR_VARIABLE err)
if(rc EQUAL 0 OR NOT err MATCHES "ParGen.xml")
  message(FATAL_ERROR "a broken parameter file must fail the run with its name (${rc}): ${err}")
endif()
file(WRITE ${WORK}/huge/ParGen.xml
     "<Par_Gen><PROFINET_NB_IN>8192</PROFINET_NB_IN><PROFINET_NB_OUT>8192</PROFINET_NB_OUT></Par_Gen>")
execute_process(COMMAND ${TOOL} gsd ${WORK}/huge ${WORK}/huge/out.gsd RESULT_VARIABLE rc ERROR_VARIABLE err)
if(rc EQUAL 0 OR NOT err MATCHES "256 modules")
  message(FATAL_ERROR "256 modules must be refused (${rc}): ${err}")
endif()
foreach(folder none bad huge)
  if(EXISTS ${WORK}/${folder}/out.gsd)
    message(FATAL_ERROR "a refused GSD must write nothing (${folder})")
  endif()
endforeach()
message(STATUS "generate gsd: the written files match the stored ones")
