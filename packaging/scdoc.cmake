# Turns one man page source into a man page with scdoc (which reads standard
# input and writes standard output). Variables: SCDOC, IN, OUT.
execute_process(COMMAND "${SCDOC}" INPUT_FILE "${IN}" OUTPUT_FILE "${OUT}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  file(REMOVE "${OUT}")
  message(FATAL_ERROR "scdoc failed on ${IN}")
endif()
