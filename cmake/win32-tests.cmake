# Win32 unit tests, run under Wine: GoogleTest built with the same MinGW
# variant (win32 threads) as Blinkery.exe, over the same libraries. Included
# by win32.cmake.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

file(GLOB_RECURSE BLINKERY_WIN32_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/win32/*.cpp)
add_executable(blinkery_win32_tests ${BLINKERY_WIN32_TEST_SOURCES})
target_include_directories(blinkery_win32_tests PRIVATE ${CMAKE_SOURCE_DIR}/tests/unit ${CMAKE_SOURCE_DIR}/tools/standins)
target_compile_options(blinkery_win32_tests PRIVATE ${BLINKERY_WARNINGS})
target_link_libraries(blinkery_win32_tests PRIVATE blinkery_win32 gtest gtest_main)
# Linked from the libraries' ordinary code, as built before link-time
# optimisation (win32.cmake).
target_link_options(blinkery_win32_tests PRIVATE -fno-lto)
# GoogleTest's thread notification is made of std::mutex, which MinGW's
# win32 thread model lacks: a Win32 event stands in for it.
foreach(target gtest gtest_main blinkery_win32_tests)
    target_compile_options(${target} PRIVATE -include ${CMAKE_SOURCE_DIR}/tests/win32/gtest_notification.h)
endforeach()

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
