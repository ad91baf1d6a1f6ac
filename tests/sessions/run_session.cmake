# Runs one session script with oru-host (through EMULATOR when it is set: a cross build) and
# compares its output with the expected file; a difference fails the test and is shown as a
# unified diff.
execute_process(COMMAND ${EMULATOR} ${HOST} --root ${ROOT} ${SCRIPT}
    OUTPUT_FILE ${ACTUAL}
    ERROR_VARIABLE errors
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "oru-host failed (${status}) on ${SCRIPT}:\n${errors}")
endif()
if(NOT EXISTS ${EXPECTED})
    message(FATAL_ERROR "no expected output ${EXPECTED}; review ${ACTUAL} and copy it there "
        "(scripts/sessions.sh --update)")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${EXPECTED} ${ACTUAL}
    RESULT_VARIABLE different)
if(different)
    find_program(DIFF diff)
    if(DIFF)
        execute_process(COMMAND ${DIFF} -u ${EXPECTED} ${ACTUAL})
    endif()
    message(FATAL_ERROR "the output of ${SCRIPT} differs from ${EXPECTED} (new output: ${ACTUAL})")
endif()
