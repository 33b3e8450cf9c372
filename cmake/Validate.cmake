# Runs a validator on a file: passes when it accepts the file, fails with its
# report when it does not, and says it is skipped when the validator is not
# installed (the test's SKIP_REGULAR_EXPRESSION). Run as: cmake -DTOOL=<name> "-DARGS=<a;b>" -DFILE=<path> -P Validate.cmake
find_program(validator ${TOOL})
if(NOT validator)
  message("${TOOL} is not installed: skipped (Debian package: ${PACKAGE})")
  return()
endif()
execute_process(COMMAND ${validator} ${ARGS} ${FILE} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE out)
message("${out}")
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${TOOL} rejects ${FILE}")
endif()
