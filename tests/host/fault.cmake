# oru-host on a faulty script: exit status 2, the line named on the standard error, nothing on
# the standard output.
execute_process(COMMAND ${EMULATOR} ${HOST} ${SCRIPT}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
if(NOT status EQUAL 2)
    message(FATAL_ERROR "exit status ${status}, expected 2")
endif()
if(NOT err MATCHES "fault.oru:3: Arrose 70000 is outside the 16-bit range")
    message(FATAL_ERROR "unexpected message: ${err}")
endif()
if(NOT out STREQUAL "")
    message(FATAL_ERROR "output on a faulty script: ${out}")
endif()
