# One place that registers a GoogleTest executable with CTest: every test case it holds becomes a
# CTest test with the given label and the fixed environment all tests run in.
include(GoogleTest)

set(RUVO_TEST_ENVIRONMENT
    "LC_ALL=C.UTF-8"
    "TZ=Europe/Berlin"
    "QT_QPA_PLATFORM=offscreen"
    "RUVO_SOURCE_DIR=${PROJECT_SOURCE_DIR}"
    "RUVO_BINARY_DIR=${PROJECT_BINARY_DIR}")

# ruvo_add_test(NAME <target> LABEL <label> SOURCES <files...> LIBS <libs...>
#               [TIMEOUT <seconds>] [ENVIRONMENT <VAR=value...>])
function(ruvo_add_test)
    cmake_parse_arguments(T "" "NAME;LABEL;TIMEOUT" "SOURCES;LIBS;ENVIRONMENT" ${ARGN})
    if(NOT T_SOURCES)
        return()
    endif()
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 120)
    endif()
    add_executable(${T_NAME} ${T_SOURCES})
    if(T_LABEL STREQUAL "view" OR T_LABEL STREQUAL "component")
        set_target_properties(${T_NAME} PROPERTIES AUTOMOC ON)
    endif()
    target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
    target_include_directories(${T_NAME} PRIVATE ${PROJECT_SOURCE_DIR})
    # The test code itself is compiled without optimisation: it runs for milliseconds, but at -O2
    # its expanded assertion macros take more than twice as long to compile. The program's
    # libraries it tests keep the build type's optimisation.
    target_compile_options(${T_NAME} PRIVATE -O0)
    # The environment is set by running each test through env: gtest_discover_tests hands only
    # the first entry of an ENVIRONMENT list on to the tests it creates.
    set_target_properties(${T_NAME} PROPERTIES CROSSCOMPILING_EMULATOR
        "/usr/bin/env;${RUVO_TEST_ENVIRONMENT};${T_ENVIRONMENT}")
    gtest_discover_tests(${T_NAME}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 60
        PROPERTIES
            LABELS ${T_LABEL}
            TIMEOUT ${T_TIMEOUT})
endfunction()

# ruvo_add_script_test(NAME <test> LABEL <label> COMMAND <cmd...>): a plain command as a test.
function(ruvo_add_script_test)
    cmake_parse_arguments(T "" "NAME;LABEL;TIMEOUT" "COMMAND" ${ARGN})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 300)
    endif()
    add_test(NAME ${T_NAME} COMMAND ${T_COMMAND})
    set_tests_properties(${T_NAME} PROPERTIES
        LABELS ${T_LABEL}
        TIMEOUT ${T_TIMEOUT}
        SKIP_RETURN_CODE 77
        ENVIRONMENT "${RUVO_TEST_ENVIRONMENT}")
endfunction()
