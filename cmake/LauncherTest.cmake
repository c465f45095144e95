find_package(GTest REQUIRED)
include(GoogleTest)

add_custom_target(threaded_tests)

# launcher_add_test(name SOURCES ... LIBS ... [LABELS label] [OWN_MAIN])
# OWN_MAIN: the test brings its own main (for example to build a QApplication).
# Every test runs headless on the offscreen platform.
function(launcher_add_test name)
    # One label only: a list would be split into separate test properties.
    cmake_parse_arguments(TEST "OWN_MAIN" "LABELS" "SOURCES;LIBS" ${ARGN})
    if(TEST_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "launcher_add_test(${name}): unexpected arguments ${TEST_UNPARSED_ARGUMENTS}")
    endif()
    add_executable(${name} ${TEST_SOURCES})
    target_link_libraries(${name} PRIVATE ${TEST_LIBS} launcher::test_support_base GTest::gtest Threads::Threads)
    if(NOT TEST_OWN_MAIN)
        target_link_libraries(${name} PRIVATE GTest::gtest_main)
    endif()
    set(properties ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    # An empty LABELS value would be dropped and shift the pairs that follow.
    if(TEST_LABELS)
        list(APPEND properties LABELS "${TEST_LABELS}")
    endif()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ${properties})
    # The ThreadSanitizer leg builds just these, then asks CTest for the label.
    if(TEST_LABELS STREQUAL "threaded")
        add_dependencies(threaded_tests ${name})
    endif()
endfunction()
