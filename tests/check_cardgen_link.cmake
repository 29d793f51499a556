# kinwheel-cardgen refuses to write through a link or into something that is
# not a regular file, and leaves what the link points at as it was.
#   -DTOOL=kinwheel-cardgen -DOUT=<scratch> -DFIRST=<first card file, relative>
file(REMOVE_RECURSE "${OUT}")
get_filename_component(folder "${OUT}/${FIRST}" DIRECTORY)
file(MAKE_DIRECTORY "${folder}")
file(WRITE "${OUT}/elsewhere.txt" "keep")
file(CREATE_LINK "${OUT}/elsewhere.txt" "${OUT}/${FIRST}" SYMBOLIC)
execute_process(COMMAND "${TOOL}" "${OUT}" RESULT_VARIABLE rc ERROR_VARIABLE err)
file(READ "${OUT}/elsewhere.txt" kept)
if(rc EQUAL 0 OR NOT err MATCHES "is not a regular file" OR NOT kept STREQUAL "keep")
  message(FATAL_ERROR "a link in the output: exit ${rc}, '${err}', the linked file holds '${kept}'")
endif()
