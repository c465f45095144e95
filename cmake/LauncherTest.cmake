find_package(GTest REQUIRED)
include(GoogleTest)

# launcher_add_test(name SOURCES ... LIBS ... [LABELS ...] [OWN_MAIN])
# OWN_MAIN: the test brings its own main (for example to build a QApplication).
# Every test runs headless on the offscreen platform.
function(launcher_add_test name)
    cmake_parse_arguments(TEST "OWN_MAIN" "" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${TEST_SOURCES})
    target_link_libraries(${name} PRIVATE ${TEST_LIBS} GTest::gtest Threads::Threads)
    if(NOT TEST_OWN_MAIN)
        target_link_libraries(${name} PRIVATE GTest::gtest_main)
    endif()
    set(properties ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    # An empty LABELS value would be dropped and shift the pairs that follow.
    if(TEST_LABELS)
        list(APPEND properties LABELS "${TEST_LABELS}")
    endif()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ${properties})
endfunction()
