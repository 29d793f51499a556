# Runs kinwheel-cardgen into a scratch folder and compares its output with the
# committed cards and icons: the same files, byte for byte.
#   -DTOOL=kinwheel-cardgen -DASSETS=<repo>/assets -DOUT=<scratch> -DFILES=a|b|...
string(REPLACE "|" ";" files "${FILES}")
list(SORT files)
file(REMOVE_RECURSE "${OUT}")
execute_process(COMMAND "${TOOL}" "${OUT}" RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "kinwheel-cardgen failed (${rc}): ${err}")
endif()

file(GLOB_RECURSE written LIST_DIRECTORIES false RELATIVE "${OUT}" "${OUT}/*")
list(SORT written)
if(NOT written STREQUAL files)
  message(FATAL_ERROR "kinwheel-cardgen wrote\n  ${written}\nbut assets/assets.cmake lists\n  ${files}")
endif()
file(GLOB_RECURSE committed LIST_DIRECTORIES false RELATIVE "${ASSETS}"
     "${ASSETS}/cards/*" "${ASSETS}/glyphs/*" "${ASSETS}/icon/*")
list(SORT committed)
if(NOT committed STREQUAL files)
  message(FATAL_ERROR "assets/cards, assets/glyphs and assets/icon hold\n  ${committed}\nbut assets/assets.cmake lists\n  ${files}")
endif()

set(differing)
foreach(file IN LISTS files)
  file(SHA256 "${OUT}/${file}" drawn)
  file(SHA256 "${ASSETS}/${file}" kept)
  if(NOT drawn STREQUAL kept)
    list(APPEND differing "${file}")
  endif()
endforeach()
if(differing)
  list(JOIN differing "\n  " shown)
  message(FATAL_ERROR "drawn differently from the committed file:\n  ${shown}\n"
                      "Regenerate with: kinwheel-cardgen assets (see DEVELOPERS.md)")
endif()
list(LENGTH files count)
message(STATUS "${count} files drawn as committed")
