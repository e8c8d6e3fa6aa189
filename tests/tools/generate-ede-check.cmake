# Runs `generate ede` on a copy of a fixture configuration with a fixed date
# and compares the file with the stored one; the name is given without
# ".csv", which the export adds as the main window's command does (a name
# that ends in ".CSV" keeps it). Then checks that a hand-edited server file
# whose Mnemonic holds a ";" fails with a message naming it and writes
# nothing. Arguments: TOOL, SRC (fixture folder), EXPECTED, WORK.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/Plant1 ${WORK}/Broken)
file(COPY ${SRC}/ParGen.xml ${SRC}/BACnet_Slave.xml DESTINATION ${WORK}/Plant1)
set(ENV{SOURCE_DATE_EPOCH} 1796288707)
execute_process(COMMAND ${TOOL} ede ${WORK}/Plant1 ${WORK}/Export RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "generate ede failed (${rc}): ${err}")
endif()
if(EXISTS ${WORK}/Export OR NOT EXISTS ${WORK}/Export.csv)
  message(FATAL_ERROR "the EDE file must be written under the name with \".csv\" added")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/Export.csv ${EXPECTED} RESULT_VARIABLE diff)
if(NOT diff EQUAL 0)
  message(FATAL_ERROR "the EDE file differs from the stored one")
endif()
execute_process(COMMAND ${TOOL} ede ${WORK}/Plant1 ${WORK}/Upper.CSV RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT EXISTS ${WORK}/Upper.CSV OR EXISTS ${WORK}/Upper.CSV.csv)
  message(FATAL_ERROR "a name ending in \".CSV\" is written as it is (${rc}): ${err}")
endif()

file(COPY ${SRC}/ParGen.xml DESTINATION ${WORK}/Broken)
file(WRITE ${WORK}/Broken/BACnet_Slave.xml
     "<BACnet_to_Modbus><BACnet_in_Read><row Data_Type='Analog Input' Mnemonic='a;b'/></BACnet_in_Read>"
     "<BACnet_in_Write/></BACnet_to_Modbus>")
execute_process(COMMAND ${TOOL} ede ${WORK}/Broken ${WORK}/Broken.csv RESULT_VARIABLE rc ERROR_VARIABLE err)
if(rc EQUAL 0 OR NOT err MATCHES "BACnet_Slave.xml")
  message(FATAL_ERROR "a field holding \";\" must fail with the file's name (${rc}): ${err}")
endif()
if(EXISTS ${WORK}/Broken.csv)
  message(FATAL_ERROR "a failed export must write nothing")
endif()
message(STATUS "generate ede: the written file matches the stored one")
