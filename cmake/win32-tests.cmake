# Win32 unit tests (GoogleTest built with the -posix MinGW variant), run
# under Wine. Kept apart from the shipped exe's tree so the two thread
# models never mix.
# GCC 12's -Wrestrict reports impossible overlaps inside libstdc++'s string
# copies at -O2 for 32-bit targets (GCC bug 105651): a false positive that
# otherwise turns ordinary string code into build failures.
list(APPEND BLINKERY_WARNINGS -Wno-restrict)
add_compile_options(-D_WIN32_WINNT=0x0400 -DWINVER=0x0400 -DWIN32_LEAN_AND_MEAN -DNOMINMAX)
add_link_options(-static)

blinkery_core_library()

file(GLOB BLINKERY_WIN32_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/win32/*.cpp)
list(FILTER BLINKERY_WIN32_SOURCES EXCLUDE REGEX "/main\\.cpp$")
add_library(blinkery_win32 STATIC ${BLINKERY_WIN32_SOURCES})
target_compile_options(blinkery_win32 PRIVATE ${BLINKERY_WARNINGS})
target_link_libraries(blinkery_win32 PUBLIC blinkery_core winmm comctl32 comdlg32 shell32)

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB_RECURSE BLINKERY_WIN32_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/*.cpp)
add_executable(blinkery_win32_tests ${BLINKERY_WIN32_TEST_SOURCES})
target_include_directories(blinkery_win32_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/unit ${CMAKE_SOURCE_DIR}/tools/standins)
target_compile_options(blinkery_win32_tests PRIVATE ${BLINKERY_WARNINGS})
target_link_libraries(blinkery_win32_tests PRIVATE blinkery_win32 gtest gtest_main)

# The stand-ins next to the test binary, for the device tests under Wine.
if(EXISTS ${CMAKE_SOURCE_DIR}/tools/standins/CMakeLists.txt)
    add_subdirectory(${CMAKE_SOURCE_DIR}/tools/standins ${CMAKE_BINARY_DIR}/standins)
endif()

find_package(Python3 REQUIRED COMPONENTS Interpreter)
add_test(NAME win32_unit_tests
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/e2e/run_in_wine.py
            $<TARGET_FILE:blinkery_win32_tests>
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
set_tests_properties(win32_unit_tests PROPERTIES TIMEOUT 300
    ENVIRONMENT "BLINKERY_BUILD=${CMAKE_BINARY_DIR};PYTHONPATH=${CMAKE_SOURCE_DIR}/tests/e2e")

# The device rig: the Devices tests under Wine in each Windows version, with
# the stand-ins, a pseudo-terminal test modem and the NT service manager.
if(TARGET dlportio_standin)
    add_dependencies(blinkery_win32_tests dlportio_standin dlportio_driver)
    add_test(NAME device_rig
        COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/win32/device_rig.py
                $<TARGET_FILE:blinkery_win32_tests>
        WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
    set_tests_properties(device_rig PROPERTIES TIMEOUT 2400
        ENVIRONMENT "BLINKERY_BUILD=${CMAKE_BINARY_DIR};PYTHONPATH=${CMAKE_SOURCE_DIR}/tests/e2e")
endif()

# The RAS rig: the RasWin32 tests under Wine in the NT 4 and 2000 modes, with
# the stand-in RASAPI32.DLL in place of Wine's own.
if(TARGET rasapi32_standin)
    add_dependencies(blinkery_win32_tests rasapi32_standin)
    add_test(NAME ras_rig
        COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/win32/ras_rig.py
                $<TARGET_FILE:blinkery_win32_tests>
        WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
    set_tests_properties(ras_rig PROPERTIES TIMEOUT 900
        ENVIRONMENT "BLINKERY_BUILD=${CMAKE_BINARY_DIR};PYTHONPATH=${CMAKE_SOURCE_DIR}/tests/e2e")
endif()
