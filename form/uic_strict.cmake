# Runs uic on INPUT into OUTPUT and fails on any message uic prints.
execute_process(COMMAND ${UIC} ${INPUT} -o ${OUTPUT}
    RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT result EQUAL 0 OR NOT "${out}${err}" STREQUAL "")
    file(REMOVE ${OUTPUT})
    message(FATAL_ERROR "uic refused ${INPUT} (exit ${result}):\n${out}${err}")
endif()
