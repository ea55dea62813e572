# orderform_add_test(<name> <source>... [LIBS <lib>...] [LABELS <label>...]
#                    [PRIVATE_CUPS])
#
# Builds one Qt Test executable and registers it with CTest. Every test runs
# offscreen and in the C locale, whatever the developer's session looks like.
#
# PRIVATE_CUPS: the test prints to the tests' own CUPS scheduler
# (tests/fixtures/cups), never to the machine's printers. It links libcups for
# tests/support/PrivateCups.h and runs alone among such tests, with CUPS_SERVER
# and the other variables of that scheduler set and PRINTER and LPDEST unset.
function(orderform_add_test name)
    cmake_parse_arguments(ARG "PRIVATE_CUPS" "" "LIBS;LABELS" ${ARGN})
    add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
    target_link_libraries(${name} PRIVATE Qt6::Test orderform_build_settings ${ARG_LIBS})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        # A print that a test forgets to catch goes to a scheduler that is not there.
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;LANG=C.UTF-8;TZ=UTC;CUPS_SERVER=/nonexistent/orderform-tests-cups.sock"
        LABELS "${ARG_LABELS}")
    if(ARG_PRIVATE_CUPS)
        get_property(cups_environment GLOBAL PROPERTY ORDERFORM_PRIVATE_CUPS_ENVIRONMENT)
        target_link_libraries(${name} PRIVATE Cups::Cups)
        set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT ${cups_environment})
        set_tests_properties(${name} PROPERTIES
            ENVIRONMENT_MODIFICATION "PRINTER=unset:;LPDEST=unset:"
            FIXTURES_REQUIRED private_cups
            RESOURCE_LOCK private_cups)
    endif()
endfunction()
