# Runs render_board with option values it cannot use: each must fail with exit code 2 and a
# message naming the option and the value. Then a picture with a marked mine draws.
set(bad_values
    "--seed|abc"
    "--seed|-1"
    "--density|5"
    "--reach|7"
    "--size|huge"
    "--width|0"
    "--ratio|x"
    "--mark-colour|0"
)
foreach(case ${bad_values})
    string(REPLACE "|" ";" pair "${case}")
    list(GET pair 0 option)
    list(GET pair 1 value)
    execute_process(COMMAND ${RENDER_BOARD} ${option} ${value} --state ${PICTURE} ${WORK}/out.png
                    RESULT_VARIABLE result ERROR_VARIABLE message OUTPUT_QUIET)
    if(NOT result EQUAL 2 OR NOT message MATCHES "${option} ${value}:")
        message(FATAL_ERROR "${option} ${value}: exit code ${result}, message: ${message}")
    endif()
endforeach()

execute_process(COMMAND ${RENDER_BOARD} --state ${PICTURE} --struck-at 1,1,3 ${WORK}/out.png
                RESULT_VARIABLE result ERROR_VARIABLE message)
if(NOT result EQUAL 0 OR NOT EXISTS ${WORK}/out.png)
    message(FATAL_ERROR "a good picture did not draw: exit code ${result}, ${message}")
endif()
