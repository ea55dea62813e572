# orderform_add_test(<name> <source>... [LIBS <lib>...] [LABELS <label>...]
#                    [PRIVATE_CUPS])
#
# Builds one Qt Test executable and registers it with CTest. Every test runs
# offscreen and in fixed locales, whatever the developer's session looks like.
#
# PRIVATE_CUPS: the test prints to the tests' own CUPS scheduler
# (tests/fixtures/cups), never to the machine's printers. It links libcups for
# tests/support/PrivateCups.h and runs alone among such tests, with CUPS_SERVER
# and the other variables of that scheduler set and PRINTER and LPDEST unset.
#
# Each test is registered once in C.UTF-8 and once more in each locale of
# ORDERFORM_TEST_LOCALES (as <name>@<language>, label "locale"), as a desktop
# in that language sets it: the number, date and character formats of the C
# library and of Qt follow the language, and nothing the program shows, saves
# or prints may change with them. Messages stay in English there, so that the
# system's and the print scheduler's error texts read as the tests expect them.
# scripts/test generates those locales; a test under a locale that is missing
# does not run, and the check that finds it missing fails.
set(ORDERFORM_TEST_LOCALES de_DE.UTF-8 tr_TR.UTF-8 CACHE STRING
    "Locales that every unit and window test runs under besides C.UTF-8")

foreach(locale IN LISTS ORDERFORM_TEST_LOCALES)
    string(REGEX REPLACE "[.@].*" "" language "${locale}")
    add_test(NAME locale_${language}_available COMMAND locale -k decimal_point)
    set_tests_properties(locale_${language}_available PROPERTIES
        ENVIRONMENT "LC_ALL=${locale}"
        FAIL_REGULAR_EXPRESSION "Cannot set"
        FIXTURES_SETUP locale_${language})
endforeach()

function(orderform_use_test_data target)
    target_compile_definitions(${target} PRIVATE
        ORDERFORM_EXPECTED_LAYOUT="${PROJECT_SOURCE_DIR}/tests/support/expected-layout.json"
        ORDERFORM_SAMPLE_ORDERS="${PROJECT_SOURCE_DIR}/tests/support/sample-orders.json")
endfunction()

function(orderform_add_test name)
    cmake_parse_arguments(ARG "PRIVATE_CUPS" "" "LIBS;LABELS" ${ARGN})
    add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
    target_link_libraries(${name} PRIVATE Qt6::Test orderform_build_settings ${ARG_LIBS})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    # The windows' expected layout and the sample orders with their amounts
    # (tests/support/ExpectedLayout.h and SampleOrders.h read them).
    orderform_use_test_data(${name})
    if(ARG_PRIVATE_CUPS)
        target_link_libraries(${name} PRIVATE Cups::Cups)
    endif()

    # Once, in C.UTF-8, in scripts/test's run under the sanitizers (label
    # "sanitize"); the number and date formats of the locales below are
    # checked in the first run.
    orderform_register_test(${name} ${name} C.UTF-8 "${ARG_LABELS};sanitize" ${ARG_PRIVATE_CUPS})
    foreach(locale IN LISTS ORDERFORM_TEST_LOCALES)
        string(REGEX REPLACE "[.@].*" "" language "${locale}")
        orderform_register_test(${name}@${language} ${name} ${locale}
                                "${ARG_LABELS};locale" ${ARG_PRIVATE_CUPS})
        set_property(TEST ${name}@${language} APPEND PROPERTY
                     FIXTURES_REQUIRED locale_${language})
    endforeach()
endfunction()

function(orderform_register_test test executable locale labels private_cups)
    add_test(NAME ${test} COMMAND ${executable})
    if(locale STREQUAL "C.UTF-8")
        set(locale_environment "LC_ALL=C.UTF-8;LANG=C.UTF-8")
    else()
        set(locale_environment "LC_ALL=;LANG=${locale};LC_MESSAGES=C.UTF-8")
        foreach(category CTYPE NUMERIC TIME COLLATE MONETARY)
            list(APPEND locale_environment "LC_${category}=${locale}")
        endforeach()
    endif()
    set_tests_properties(${test} PROPERTIES
        # A print that a test forgets to catch goes to a scheduler that is not there.
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${locale_environment};TZ=UTC;CUPS_SERVER=/nonexistent/orderform-tests-cups.sock"
        LABELS "${labels}")
    if(private_cups)
        get_property(cups_environment GLOBAL PROPERTY ORDERFORM_PRIVATE_CUPS_ENVIRONMENT)
        set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT ${cups_environment})
        set_tests_properties(${test} PROPERTIES
            ENVIRONMENT_MODIFICATION "PRINTER=unset:;LPDEST=unset:"
            RESOURCE_LOCK private_cups)
        set_property(TEST ${test} APPEND PROPERTY FIXTURES_REQUIRED private_cups)
    endif()
endfunction()
