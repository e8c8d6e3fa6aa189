# Runs "generate mib" on the stored agent table and compares the module with
# the stored one; lints it, and the module of a full read page, with smilint
# against the SMIv2 base modules in MIBS, failing on any error (severity 0
# to 2: smilint exits 0 even then); makes sure the lint catches the
# notification form an SMIv2 module must not have; then checks that a table
# the command refuses fails the run with the reason and leaves no file.
# Arguments: TOOL, DATA (the MIB examples), MIBS, SMILINT, WORK.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/full ${WORK}/bad)

function(generate folder out)
  execute_process(COMMAND ${TOOL} mib ${folder} ${out} RESULT_VARIABLE rc ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "generate mib ${folder} failed (${rc}): ${err}")
  endif()
endfunction()

# The lines of smilint's report on FILE with severity 0 to 2, into VAR.
function(lint_errors file var)
  if(NOT SMILINT)
    message(FATAL_ERROR "smilint is missing: install the Debian package smitools (scripts/setup.sh)")
  endif()
  file(WRITE ${WORK}/empty.conf "")
  # Only the base modules stored with the tests, never those of the machine.
  set(ENV{SMIPATH} ${MIBS})
  execute_process(COMMAND ${SMILINT} -c ${WORK}/empty.conf -s -l 6 ${file}
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "smilint could not run on ${file} (${rc}): ${err}")
  endif()
  string(REGEX MATCHALL "[^\n]*: \\[[012]\\] [^\n]*" errors "${out}${err}")
  set(${var} "${errors}" PARENT_SCOPE)
endfunction()

generate(${DATA}/small ${WORK}/small.mib)
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/small.mib ${DATA}/small/expected.mib
                RESULT_VARIABLE diff)
if(NOT diff EQUAL 0)
  message(FATAL_ERROR "the MIB of the small table differs from the stored one")
endif()

# A full read page and a write page, every other object unnamed.
set(read "")
foreach(i RANGE 1 256)
  math(EXPR odd "${i} % 2")
  if(odd)
    set(name "value${i}")
    set(type "Int")
  else()
    set(name "")
    set(type "String")
  endif()
  string(APPEND read "<row Enable=\"Y\" Type=\"${type}\" Description=\"${name}\"/>")
endforeach()
file(WRITE ${WORK}/full/SNMP_Trap.xml
     "<SNMP_Trap><SNMP_Trap_Read>${read}</SNMP_Trap_Read><SNMP_Trap_Write>"
     "<row Enable=\"Y\" Type=\"Int\" Description=\"setpoint\"/><row Enable=\"Y\" Type=\"String\" Description=\"\"/>"
     "</SNMP_Trap_Write></SNMP_Trap>")
generate(${WORK}/full ${WORK}/full.mib)

foreach(mib ${WORK}/small.mib ${WORK}/full.mib)
  lint_errors(${mib} errors)
  if(errors)
    string(REPLACE ";" "\n" errors "${errors}")
    message(FATAL_ERROR "smilint finds errors in ${mib}:\n${errors}")
  endif()
endforeach()
lint_errors(${DATA}/unmended.mib errors)
if(NOT errors MATCHES "unmended.mib:19: \\[[012]\\]")
  message(FATAL_ERROR "smilint must refuse notifications with SYNTAX and MAX-ACCESS: ${errors}")
endif()

# A Description that repeats a name of the module itself.
file(WRITE ${WORK}/bad/SNMP_Trap.xml
     "<SNMP_Trap><SNMP_Trap_Read><row Enable=\"Y\" Type=\"Int\" Description=\"traps\"/></SNMP_Trap_Read></SNMP_Trap>")
execute_process(COMMAND ${TOOL} mib ${WORK}/bad ${WORK}/bad/out.mib RESULT_VARIABLE rc ERROR_VARIABLE err)
if(rc EQUAL 0 OR NOT err MATCHES "\"traps\" is a name the MIB uses itself")
  message(FATAL_ERROR "a fixed name must fail the run with the reason (${rc}): ${err}")
endif()
file(WRITE ${WORK}/bad/SNMP_Trap.xml "<SNMP_Trap><SNMP_Trap_Read>")
execute_process(COMMAND ${TOOL} mib ${WORK}/bad ${WORK}/bad/out.mib RESULT_VARIABLE rc ERROR_VARIABLE err)
if(rc EQUAL 0 OR NOT err MATCHES "SNMP_Trap.xml")
  message(FATAL_ERROR "a broken table must fail the run with its name (${rc}): ${err}")
endif()
if(EXISTS ${WORK}/bad/out.mib)
  message(FATAL_ERROR "a refused MIB must write nothing")
endif()
message(STATUS "generate mib: the module matches the stored one and smilint finds no error")
