# Runs `wuzi_bench --signature` and fails unless it prints the number checked in.
execute_process(COMMAND ${BENCH} --signature OUTPUT_VARIABLE signature
                RESULT_VARIABLE result OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "wuzi_bench --signature failed: ${result}")
endif()
file(STRINGS ${EXPECTED} expected REGEX "^[0-9]+$")
if(NOT signature STREQUAL expected)
  message(FATAL_ERROR "the searches' signature is ${signature}, not ${expected} as checked in: "
                      "a search changed what it does. If that is meant, write ${signature} "
                      "into ${EXPECTED}.")
endif()
