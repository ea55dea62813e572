# Read by cpack as it makes the package (CPACK_PROJECT_CONFIG_FILE). Every
# time stamp in the package is SOURCE_DATE_EPOCH: where the environment does
# not set it, the time of the source tree's last commit. Two builds of one
# commit then give the same bytes, wherever and whenever they are made.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    find_program(ORDERFORM_GIT git)
    if(ORDERFORM_GIT)
        execute_process(COMMAND ${ORDERFORM_GIT} -C "${CPACK_ORDERFORM_SOURCE_DIR}" log -1
                                --format=%ct
                        OUTPUT_VARIABLE last_commit OUTPUT_STRIP_TRAILING_WHITESPACE
                        ERROR_QUIET)
    endif()
    if(last_commit MATCHES "^[0-9]+$")
        set(ENV{SOURCE_DATE_EPOCH} ${last_commit})
    else()
        message(WARNING "No SOURCE_DATE_EPOCH and no commit to take it from: the package's "
                        "time stamps are the time it is made")
    endif()
endif()
