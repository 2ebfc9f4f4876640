# Draws the artwork a second time into a scratch folder and requires the same
# files with the same bytes as the build's own run.
#
# cmake -DGENERATOR=... -DREGULAR_FONT=... -DMEDIUM_FONT=...
#       -DREFERENCE_DIR=... -DREFERENCE_SHEET=... -DSCRATCH_DIR=... -P CheckArtworkIsReproducible.cmake

file(REMOVE_RECURSE ${SCRATCH_DIR})
execute_process(
    COMMAND ${GENERATOR} ${REGULAR_FONT} ${MEDIUM_FONT} ${SCRATCH_DIR}/artwork ${SCRATCH_DIR}/contact-sheet.png
    RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the artwork generator failed: ${status}")
endif()

file(GLOB reference RELATIVE ${REFERENCE_DIR} ${REFERENCE_DIR}/*.png)
file(GLOB redrawn RELATIVE ${SCRATCH_DIR}/artwork ${SCRATCH_DIR}/artwork/*.png)
if(NOT reference STREQUAL redrawn)
    message(FATAL_ERROR "different files:\n  build: ${reference}\n  again: ${redrawn}")
endif()

set(pairs)
foreach(name IN LISTS reference)
    list(APPEND pairs "${REFERENCE_DIR}/${name}|${SCRATCH_DIR}/artwork/${name}")
endforeach()
list(APPEND pairs "${REFERENCE_SHEET}|${SCRATCH_DIR}/contact-sheet.png")

foreach(pair IN LISTS pairs)
    string(REPLACE "|" ";" files "${pair}")
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${files} RESULT_VARIABLE differs)
    if(NOT differs EQUAL 0)
        message(FATAL_ERROR "drawn twice, different bytes: ${files}")
    endif()
endforeach()

file(REMOVE_RECURSE ${SCRATCH_DIR})
