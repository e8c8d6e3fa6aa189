# Runs "generate eds" on the stored example configurations with a fixed
# clock and compares each file it writes with the stored EDS; then checks that
# a configuration the command refuses fails the run with the reason and
# leaves no file. Arguments: TOOL, DATA (folder of the examples), WORK.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/bad)
set(ENV{SOURCE_DATE_EPOCH} 1741350600)  # 7 March 2025, 12:30 UTC
foreach(example empty one_rpdo tpdo_10 sdo)
  execute_process(COMMAND ${TOOL} eds ${DATA}/${example} ${WORK}/${example}.eds
                  RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "generate eds ${example} failed (${rc}): ${err}")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/${example}.eds ${DATA}/${example}/expected.eds
                  RESULT_VARIABLE diff)
  if(NOT diff EQUAL 0)
    message(FATAL_ERROR "the EDS of ${example} differs from the stored one")
  endif()
endforeach()

# The same index and sub-index in both tables would give two sections of one name.
file(WRITE ${WORK}/bad/SDO_Server_CANopen.xml
     "<SDO_Server_CANopen><SDO_Read><row Index=\"0x2000\" SubIndex=\"1\" NByte=\"1\"/></SDO_Read>"
     "<SDO_Write><row Index=\"8192\" SubIndex=\"1\" NByte=\"1\"/></SDO_Write></SDO_Server_CANopen>")
execute_process(COMMAND ${TOOL} eds ${WORK}/bad ${WORK}/bad/out.eds RESULT_VARIABLE rc ERROR_VARIABLE err)
if(rc EQUAL 0 OR NOT err MATCHES "sub-index 1 twice")
  message(FATAL_ERROR "a repeated object entry must fail the run with the reason (${rc}): ${err}")
endif()
file(WRITE ${WORK}/bad/SDO_Server_CANopen.xml "<SDO_Server_CANopen><SDO_Read>")
execute_process(COMMAND ${TOOL} eds ${WORK}/bad ${WORK}/bad/out.eds RESULT_VARIABLE rc ERROR_VARIABLE err)
if(rc EQUAL 0 OR NOT err MATCHES "SDO_Server_CANopen.xml")
  message(FATAL_ERROR "a broken file must fail the run with its name (${rc}): ${err}")
endif()
if(EXISTS ${WORK}/bad/out.eds)
  message(FATAL_ERROR "a refused EDS must write nothing")
endif()
message(STATUS "generate eds: the written files match the stored ones")
