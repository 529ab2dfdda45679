# Runs lupdate over the sources of the window, the command line and the reports into
# copies of the translations and fails on any message that is new (so not
# yet translated), unfinished, or no longer in the sources.
# cmake -DSOURCE_DIR=... -DLUPDATE=... -DWORK_DIR=... -P check_translations.cmake
file(GLOB sources ${SOURCE_DIR}/src/app/*.cpp ${SOURCE_DIR}/src/app/*.h
    ${SOURCE_DIR}/src/main/*.cpp ${SOURCE_DIR}/src/main/*.h
    ${SOURCE_DIR}/src/dialogs/*.cpp ${SOURCE_DIR}/src/dialogs/*.h
    ${SOURCE_DIR}/src/report/*.cpp ${SOURCE_DIR}/src/report/*.h
    ${SOURCE_DIR}/src/session/*.cpp ${SOURCE_DIR}/src/session/*.h)
list(JOIN sources "\n" listed)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
file(WRITE ${WORK_DIR}/sources.lst "-I${SOURCE_DIR}/src\n${listed}\n")
file(GLOB translations ${SOURCE_DIR}/translations/*.ts)
set(faults "")
foreach(ts ${translations})
    get_filename_component(name ${ts} NAME)
    file(COPY ${ts} DESTINATION ${WORK_DIR})
    execute_process(COMMAND ${LUPDATE} -silent -locations none @${WORK_DIR}/sources.lst -ts ${WORK_DIR}/${name}
        RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "lupdate failed on ${name}: ${out}")
    endif()
    file(READ ${WORK_DIR}/${name} updated)
    foreach(kind unfinished vanished obsolete)
        string(REGEX MATCHALL "type=\"${kind}\"" found "${updated}")
        list(LENGTH found count)
        if(count GREATER 0)
            string(APPEND faults "${name}: ${count} ${kind} message(s)\n")
        endif()
    endforeach()
endforeach()
if(NOT translations)
    message(FATAL_ERROR "no translations found in ${SOURCE_DIR}/translations")
endif()
if(faults)
    message(FATAL_ERROR "${faults}Run 'cmake --build BUILD --target update_translations' and translate "
        "the new messages (see docs/translations.md).")
endif()
