# Window tests: every shell test file in one program, run headless.
file(GLOB_RECURSE shell_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
list(FILTER shell_tests INCLUDE REGEX "${SB_SHELL_TEST_REGEX}")
list(FILTER shell_tests EXCLUDE REGEX "/(support|fuzz|setup)/")
file(GLOB shell_support CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/support/Qt*.cpp)
if(shell_tests)
    add_executable(test_shell ${shell_tests} ${shell_support})
    set_target_properties(test_shell PROPERTIES AUTOMOC ON)
    target_link_libraries(test_shell PRIVATE sb_shell sb_test_support Qt6::Test GTest::gtest)
    sb_warnings(test_shell)
    # The test program makes itself headless (support/QtTestMain.cpp); the
    # runtime folder keeps Qt from complaining about a missing one.
    set(shell_env XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/xdg-runtime)
    file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/xdg-runtime)
    file(CHMOD ${CMAKE_BINARY_DIR}/xdg-runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
    gtest_discover_tests(test_shell DISCOVERY_TIMEOUT 120
        DISCOVERY_MODE PRE_TEST
        PROPERTIES LABELS shell ENVIRONMENT "${shell_env}")
endif()
