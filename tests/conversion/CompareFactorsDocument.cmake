# Fails when DOCUMENT (docs/factors.md) differs from what PROBE --markdown writes now:
# regenerate it with  build/tests/conversion/quorlex-factor-probe --markdown > docs/factors.md
execute_process(COMMAND ${PROBE} --markdown OUTPUT_VARIABLE generated RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the factor probe failed: ${status}")
endif()
file(READ ${DOCUMENT} committed)
if(NOT generated STREQUAL committed)
    message(FATAL_ERROR "docs/factors.md is out of date: run quorlex-factor-probe --markdown > docs/factors.md")
endif()
