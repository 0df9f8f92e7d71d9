# Runs quorlen-run on one scenario script and compares its transcript with
# the expected one. Variables: RUNNER, DIR (the scenario folder), SCRIPT
# (the script's base name), TMP (a scratch folder for this test).
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${TMP}")
file(MAKE_DIRECTORY "${TMP}")
if(EXISTS "${DIR}/${SCRIPT}.settings")
  file(COPY_FILE "${DIR}/${SCRIPT}.settings" "${TMP}/settings.ini")
endif()
set(args "")
if(EXISTS "${DIR}/${SCRIPT}.args")
  file(READ "${DIR}/${SCRIPT}.args" raw)
  string(STRIP "${raw}" raw)
  string(REPLACE "@TMP@" "${TMP}" raw "${raw}")
  separate_arguments(args UNIX_COMMAND "${raw}")
endif()
# The game folder is copied, so that a script that saves or deletes files
# leaves the source tree as it was.
set(game game)
if(EXISTS "${DIR}/${SCRIPT}.game")
  file(READ "${DIR}/${SCRIPT}.game" game)
  string(STRIP "${game}" game)
endif()
file(COPY "${DIR}/${game}/" DESTINATION "${TMP}/game")
execute_process(
  COMMAND "${RUNNER}" ${args} game "${DIR}/${SCRIPT}.script"
  WORKING_DIRECTORY "${TMP}"
  OUTPUT_VARIABLE actual
  ERROR_VARIABLE errors
  RESULT_VARIABLE status)
set(expected_status 0)
if(EXISTS "${DIR}/${SCRIPT}.status")
  file(READ "${DIR}/${SCRIPT}.status" expected_status)
  string(STRIP "${expected_status}" expected_status)
endif()
file(READ "${DIR}/${SCRIPT}.expected" expected)
file(WRITE "${TMP}/actual.txt" "${actual}")
# QUORLEN_UPDATE_SCENARIOS=1 writes the transcripts anew (read the diff
# before committing it).
if(NOT actual STREQUAL expected AND "$ENV{QUORLEN_UPDATE_SCENARIOS}" STREQUAL "1")
  file(WRITE "${DIR}/${SCRIPT}.expected" "${actual}")
  set(expected "${actual}")
endif()
if(NOT actual STREQUAL expected)
  execute_process(COMMAND diff -u "${DIR}/${SCRIPT}.expected" "${TMP}/actual.txt")
  message(FATAL_ERROR "transcript differs from ${SCRIPT}.expected (actual: ${TMP}/actual.txt)\n${errors}")
endif()
if(NOT status STREQUAL expected_status)
  message(FATAL_ERROR "exit status ${status}, expected ${expected_status}\n${errors}")
endif()
