# Runs the scripted session in a fresh folder and compares the two saved bitmaps with the
# hashes of the bitmaps the program saved for it when they were recorded.
set(expected_mersave "95829b17bdab879a87ef802b36a1a45ba7d30dcc11a969642788257f10f3838f")
set(expected_plansave "0314a15394c0cc03730523c87968be4cd6e832af3449fc09fc71c614a1054377")

file(REMOVE_RECURSE "${FOLDER}")
file(MAKE_DIRECTORY "${FOLDER}")
execute_process(COMMAND "${PROGRAM}" "${FOLDER}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "the session failed: ${result}")
endif()
foreach(name mersave plansave)
    file(SHA256 "${FOLDER}/${name}.bmp" actual)
    message(STATUS "${name}.bmp ${actual}")
    if(NOT actual STREQUAL expected_${name})
        message(SEND_ERROR "${name}.bmp differs from the recorded bitmap")
    endif()
endforeach()
