# Helpers shared by the folders' build files.

# trimora_test(NAME SOURCES ... LIBS ...): a GoogleTest executable registered with CTest. The test knows the source
# and build trees by the definitions TRIMORA_SOURCE_DIR and TRIMORA_BINARY_DIR, so it runs the same with or without
# the test runner.
function(trimora_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    target_compile_definitions(${name} PRIVATE
        TRIMORA_SOURCE_DIR="${PROJECT_SOURCE_DIR}" TRIMORA_BINARY_DIR="${PROJECT_BINARY_DIR}")
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
endfunction()
