# Helpers shared by the folders' build files.

# trimora_test(NAME sources... LIBS libs...): a GoogleTest executable registered with CTest.
function(trimora_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT "TRIMORA_SOURCE_DIR=${PROJECT_SOURCE_DIR};TRIMORA_BINARY_DIR=${PROJECT_BINARY_DIR}")
endfunction()
