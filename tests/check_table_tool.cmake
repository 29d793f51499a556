execute_process(COMMAND ${TOOL} OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "table tool failed: ${rc}")
endif()
string(REGEX MATCHALL "\n" breaks "${out}")
list(LENGTH breaks lines)
if(NOT lines EQUAL 42734)
  message(FATAL_ERROR "expected 42734 lines, got ${lines}")
endif()
foreach(expected
    "^1900-01-01,4,TIJASH - \\(ETZNAB\\),Etznab,Self-Existing,17,0,2,7,13,238,12\\.14\\.5\\.6\\.18,6,13,G3\n"
    "\n1987-07-26,6,AJPU - \\(AHUA\\),Ahau,Rythmic,19,18,0,9,19,240,12\\.18\\.14\\.4\\.0,8,6,G8\n"
    "\n2000-02-29,5,IMOSH - \\(IMIX\\),Imix,Overtone,0,17,19,10,8,161,12\\.19\\.7\\.0\\.1,9,17,G1\n"
    "\n2016-12-31,6,BATZ - \\(CHUEN\\),Chuen,Rythmic,10,7,9,0,10,71,13\\.0\\.4\\.1\\.11,14,14,G4\n$")
  if(NOT out MATCHES "${expected}")
    message(FATAL_ERROR "missing line matching ${expected}")
  endif()
endforeach()

# Chosen range and count: the whole output, exactly.
function(expect_output expected)
  execute_process(COMMAND ${TOOL} ${ARGN} OUTPUT_VARIABLE out RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0 OR NOT out STREQUAL "${expected}")
    message(FATAL_ERROR "${ARGN}: exit ${rc}, got\n${out}")
  endif()
endfunction()
expect_output("2100-02-28,10,AKABAL - (AKBAL),Akbal,Planetary,2,15,17,12,10,23,13.4.8.8.3,11,18,G1
2100-03-01,11,KAT - (KAN),Kan,Spectral,3,14,16,13,3,24,13.4.8.8.4,12,18,G2
" --from 2100-02-28 --count 584285 --to 2100-03-01)
expect_output("2012-12-21,2,TIJASH - (ETZNAB),Etznab,Lunar,17,0,2,7,9,158,12.19.19.17.18,1,14,G7
" --count 584285 --from 2012-12-21 --to 2012-12-21)
expect_output("2020-02-28,10,BATZ - (CHUEN),Chuen,Planetary,10,7,9,0,18,231,,,,
2020-02-29,10,BATZ - (CHUEN),Chuen,Planetary,10,7,9,0,18,231,,,,
2020-03-01,11,E - (EB),Eb,Spectral,11,6,8,1,11,232,,,,
" --count dreamspell --from 2020-02-28 --to 2020-03-01)
expect_output("0001-01-01,11,AKABAL - (AKBAL),Akbal,Spectral,2,15,17,12,2,63,7.17.18.13.3,11,8,G2
" --from 0001-01-01 --to 0001-01-01)
expect_output("9999-12-31,5,IMOSH - (IMIX),Imix,Overtone,0,17,19,10,8,161,33.5.3.6.1,19,1,G4
" --from 9999-12-31 --to 9999-12-31)

# Only the dates of one kin: Dreamspell steps over 29 February 2028.
expect_output("2028-03-03,8,ISH - (IX),Ix,Galactic,13,4,6,3,17,34,,,,
2028-11-18,8,ISH - (IX),Ix,Galactic,13,4,6,3,17,34,,,,
2029-08-05,8,ISH - (IX),Ix,Galactic,13,4,6,3,17,34,,,,
" --kin 34 --count dreamspell --from 2028-01-01 --to 2029-12-31)
expect_output("9999-04-15,5,IMOSH - (IMIX),Imix,Overtone,0,17,19,10,8,161,33.5.2.11.1,4,7,G5
9999-12-31,5,IMOSH - (IMIX),Imix,Overtone,0,17,19,10,8,161,33.5.3.6.1,19,1,G4
" --from 9999-01-01 --kin 161 --to 9999-12-31)

# Bad arguments: exit status 2 and one line on stderr, nothing on stdout.
string(REPEAT "9" 5000 long)
foreach(args
    "--from;2100-02-29" "--to;0000-12-31" "--from;10000-01-01" "--from;1900-1-1" "--from;${long}"
    "--from;2000-01-02;--to;2000-01-01" "--count;Dreamspell" "--count;584284" "--to" "--from=2000-01-01" "extra"
    "--from;2000-01-01;--to;2000-01-03;--from;2001-01-01" "--count;584285;--count;584285"
    "--kin;0" "--kin;261" "--kin;034" "--kin;x" "--kin;" "--kin;1;--kin;2")
  execute_process(COMMAND ${TOOL} ${args} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  string(REGEX MATCHALL "\n" breaks "${err}")
  list(LENGTH breaks err_lines)
  if(NOT rc EQUAL 2 OR NOT err_lines EQUAL 1 OR NOT out STREQUAL "")
    message(FATAL_ERROR "${args}: exit ${rc}, stderr ${err}")
  endif()
endforeach()

# A full disk is a failure, not a short table: the whole range, and one day
# that only the last flush writes.
if(EXISTS /dev/full)
  foreach(range "" "--from;2000-01-01;--to;2000-01-01")
    execute_process(COMMAND ${TOOL} ${range} OUTPUT_FILE /dev/full ERROR_VARIABLE err RESULT_VARIABLE rc)
    if(NOT rc EQUAL 1 OR NOT err MATCHES "cannot write")
      message(FATAL_ERROR "writing ${range} to a full disk: exit ${rc}, stderr ${err}")
    endif()
  endforeach()
endif()
