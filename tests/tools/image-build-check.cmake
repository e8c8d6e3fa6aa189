# Runs image-build on a copy of a fixture configuration and compares the files
# it writes with the stored image; then checks that a broken file fails the
# run with a message naming it. Arguments: TOOL, SRC (fixture folder), WORK.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/good ${WORK}/bad)
file(COPY ${SRC}/ParGen.xml ${SRC}/LoRaWAN_Gateway.xml DESTINATION ${WORK}/good)
execute_process(COMMAND ${TOOL} ${WORK}/good RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "image-build failed (${rc}): ${err}")
endif()
foreach(bank bank1.bin bank2.bin)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/good/bin/${bank} ${SRC}/expected/${bank}
                  RESULT_VARIABLE diff)
  if(NOT diff EQUAL 0)
    message(FATAL_ERROR "${bank} differs from the stored image")
  endif()
endforeach()

file(COPY ${SRC}/ParGen.xml DESTINATION ${WORK}/bad)
file(WRITE ${WORK}/bad/LoRaWAN_Gateway.xml "<LoRaWAN_Gateway><LoRaWAN_Devices_List>")
execute_process(COMMAND ${TOOL} ${WORK}/bad RESULT_VARIABLE rc ERROR_VARIABLE err)
if(rc EQUAL 0 OR NOT err MATCHES "LoRaWAN_Gateway.xml")
  message(FATAL_ERROR "a broken file must fail with its name (${rc}): ${err}")
endif()
if(EXISTS ${WORK}/bad/bin/bank1.bin)
  message(FATAL_ERROR "a failed build must write nothing")
endif()
message(STATUS "image-build: the written image matches the stored one")
