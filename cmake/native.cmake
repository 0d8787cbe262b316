# Native build (clang++): the portable core, its unit tests, the host tools
# and the libFuzzer targets over the same core.
option(BLINKERY_SANITIZE "Build the unit tests with ASan and UBSan" ON)
if(BLINKERY_SANITIZE)
    # -O1, as the sanitizers advise: it compiles in half the time of -O3.
    add_compile_options(-O1 -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        # libFuzzer's coverage in every object, so that the fuzz targets
        # share the core the unit tests use; line tables for its reports.
        add_compile_options(-gline-tables-only -fsanitize=fuzzer-no-link)
        set(BLINKERY_FUZZ_TARGETS ON)
    endif()
endif()

blinkery_core_library()

find_package(GTest REQUIRED)
include(GoogleTest)

file(GLOB_RECURSE BLINKERY_UNIT_SOURCES CONFIGURE_DEPENDS
    ${CMAKE_SOURCE_DIR}/tests/unit/*.cpp)
add_executable(blinkery_unit_tests ${BLINKERY_UNIT_SOURCES})
target_include_directories(blinkery_unit_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/unit)
target_compile_options(blinkery_unit_tests PRIVATE ${BLINKERY_WARNINGS})
target_link_libraries(blinkery_unit_tests PRIVATE blinkery_core GTest::gtest GTest::gtest_main)
gtest_discover_tests(blinkery_unit_tests DISCOVERY_TIMEOUT 60)

# Host tools (built natively, used by the win32 build).
file(GLOB BLINKERY_TOOL_DIRS LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/tools/*/CMakeLists.txt)
foreach(tool_cmake ${BLINKERY_TOOL_DIRS})
    get_filename_component(tool_dir ${tool_cmake} DIRECTORY)
    if(NOT tool_dir MATCHES "standins")
        add_subdirectory(${tool_dir})
    endif()
endforeach()

if(BLINKERY_FUZZ_TARGETS)
    include(cmake/fuzz.cmake)
endif()

# No source file includes a header from a layer above its own.
add_test(NAME include_layers COMMAND python3 ${CMAKE_SOURCE_DIR}/scripts/check-layers ${CMAKE_SOURCE_DIR}/src)
