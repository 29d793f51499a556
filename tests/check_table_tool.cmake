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
    "^1900-01-01,4,TIJASH - \\(ETZNAB\\),Etznab,Self-Existing,17,0,2,7,13\n"
    "\n1987-07-26,6,AJPU - \\(AHUA\\),Ahau,Rythmic,19,18,0,9,19\n"
    "\n2000-02-29,5,IMOSH - \\(IMIX\\),Imix,Overtone,0,17,19,10,8\n"
    "\n2016-12-31,6,BATZ - \\(CHUEN\\),Chuen,Rythmic,10,7,9,0,10\n$")
  if(NOT out MATCHES "${expected}")
    message(FATAL_ERROR "missing line matching ${expected}")
  endif()
endforeach()
