# SPDX-License-Identifier: GPL-3.0-or-later
# The translations are complete and up to date with the sources: lupdate run into a copy
# of each .ts file must leave it unchanged (a new, changed or removed tr() text changes
# it), and lrelease must find no unfinished translation.
#   cmake -DLUPDATE=... -DLRELEASE=... -DSOURCE_DIR=<src> -DTS_FILES=<list> -DENGLISH=<en .ts>
#         -DOPTIONS=<lupdate options> -DWORK=<scratch folder> -P translations_check.cmake
file(GLOB_RECURSE sources ${SOURCE_DIR}/*.cpp ${SOURCE_DIR}/*.h)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(failures "")
foreach(ts IN LISTS TS_FILES ENGLISH)
    get_filename_component(name ${ts} NAME)
    file(COPY ${ts} DESTINATION ${WORK})
    set(options ${OPTIONS})
    if(ts STREQUAL ENGLISH)
        list(APPEND options -pluralonly)
    endif()
    execute_process(COMMAND ${LUPDATE} ${sources} -I ${SOURCE_DIR} ${options} -ts ${WORK}/${name}
                    RESULT_VARIABLE status OUTPUT_QUIET ERROR_VARIABLE errors)
    file(READ ${ts} before)
    file(READ ${WORK}/${name} after)
    if(NOT status EQUAL 0 OR NOT before STREQUAL after)
        string(APPEND failures "${name} is not up to date with the sources: cmake --build build --target update_translations\n${errors}")
    endif()
    execute_process(COMMAND ${LRELEASE} ${ts} -qm ${WORK}/${name}.qm RESULT_VARIABLE status OUTPUT_VARIABLE report)
    if(NOT status EQUAL 0 OR NOT report MATCHES "\\(([0-9]+) finished and 0 unfinished\\)" OR report MATCHES "[Ii]gnored")
        string(APPEND failures "${name} has unfinished translations:\n${report}")
    endif()
endforeach()
if(failures)
    message(FATAL_ERROR "${failures}")
endif()
