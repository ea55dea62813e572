# orderform_add_test(<name> <source>... [LIBS <lib>...])
#
# Builds one Qt Test executable and registers it with CTest. Every test runs
# offscreen and in the C locale, whatever the developer's session looks like.
function(orderform_add_test name)
    cmake_parse_arguments(ARG "" "" "LIBS;LABELS" ${ARGN})
    add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
    target_link_libraries(${name} PRIVATE Qt6::Test orderform_build_settings ${ARG_LIBS})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;LANG=C.UTF-8;TZ=UTC"
        LABELS "${ARG_LABELS}")
endfunction()
