# Runs the converter on INPUT into OUTPUT and fails unless OUTPUT equals EXPECTED byte for byte.
execute_process(COMMAND ${TOOL} ${INPUT} ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "vantor_makecatalogue failed: ${status}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${EXPECTED}
    RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
    message(FATAL_ERROR "${EXPECTED} differs from a fresh conversion of ${INPUT}; "
        "regenerate it with vantor_makecatalogue")
endif()
