# The shipped program: Blinkery.exe for Windows 95 to 2000, plus the
# Wine end-to-end scenarios and the import check.
set(BLINKERY_WIN32_DEFS -D_WIN32_WINNT=0x0400 -DWINVER=0x0400 -DWIN32_LEAN_AND_MEAN -DNOMINMAX)
# GCC 12's -Wrestrict reports impossible overlaps inside libstdc++'s string
# copies at -O2 for 32-bit targets (GCC bug 105651): a false positive that
# otherwise turns ordinary string code into build failures.
list(APPEND BLINKERY_WARNINGS -Wno-restrict)
add_compile_options(${BLINKERY_WIN32_DEFS})
# Built for size: -Os, and each function and datum in a section of its own,
# so that the linker drops what nothing calls.
add_compile_options(-Os -ffunction-sections -fdata-sections)
# No type information beside the vtables (nothing casts or asks an object's
# type; thrown types still get theirs): for every C++ target of the tree, so
# the test programs that link the same libraries never mix the two.
add_compile_options($<$<COMPILE_LANGUAGE:CXX>:-fno-rtti>)
add_link_options(-static -Wl,--major-os-version,4,--minor-os-version,0
                 -Wl,--major-subsystem-version,4,--minor-subsystem-version,0)

blinkery_core_library()

file(GLOB BLINKERY_WIN32_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/win32/*.cpp)
# The entry point and the runtime's replaced error paths belong to the exe alone.
list(FILTER BLINKERY_WIN32_SOURCES EXCLUDE REGEX "/(main|runtime_throws)\\.cpp$")
add_library(blinkery_win32 STATIC ${BLINKERY_WIN32_SOURCES})
target_compile_options(blinkery_win32 PRIVATE ${BLINKERY_WARNINGS})
target_link_libraries(blinkery_win32 PUBLIC blinkery_core winmm comctl32 comdlg32 shell32)

include(cmake/resources.cmake OPTIONAL)

add_executable(Blinkery WIN32 ${CMAKE_SOURCE_DIR}/src/win32/main.cpp ${CMAKE_SOURCE_DIR}/src/win32/runtime_throws.cpp
               ${BLINKERY_RESOURCE_FILES})
target_compile_options(Blinkery PRIVATE ${BLINKERY_WARNINGS})
# Stripped, unused sections dropped, and no relocations: an exe loads at
# its own base address on every Windows it runs on.
target_link_options(Blinkery PRIVATE -mwindows -Wl,--subsystem,windows:4.0 -s -Wl,--gc-sections
                    -Wl,--disable-reloc-section -Wl,--disable-dynamicbase)
target_link_libraries(Blinkery PRIVATE blinkery_win32)
set_target_properties(Blinkery PROPERTIES OUTPUT_NAME Blinkery SUFFIX .exe)
# Link-time optimisation of Blinkery's own code: calls inlined and code
# dropped across files (about 100 KB).
set_property(TARGET blinkery_core blinkery_win32 Blinkery PROPERTY INTERPROCEDURAL_OPTIMIZATION ON)
foreach(target blinkery_core blinkery_win32 Blinkery)
    # -Os folds each constructor's and destructor's clones into one shared
    # body; GCC 12's link-time optimiser stops on those with an internal
    # error (std::function's constructor), so they stay apart.
    target_compile_options(${target} PRIVATE -fno-declone-ctor-dtor)
endforeach()
# The libraries keep ordinary code beside the optimiser's, for the Win32
# test programs that link them without it (on MinGW the two kinds of
# object clash over the inline functions both define).
foreach(target blinkery_core blinkery_win32)
    target_compile_options(${target} PRIVATE -ffat-lto-objects)
endforeach()

include(cmake/help.cmake)

# The end-to-end harness's window tool (a console program run in the same prefix).
add_executable(wintool ${CMAKE_SOURCE_DIR}/tests/e2e/tool/wintool.cpp)
target_compile_options(wintool PRIVATE ${BLINKERY_WARNINGS})
target_link_options(wintool PRIVATE -mconsole)

# The message hook wintool puts into Blinkery's thread to read its keyboard
# state (beside wintool.exe).
add_library(keyhook MODULE ${CMAKE_SOURCE_DIR}/tests/e2e/tool/keyhook.c)
target_compile_options(keyhook PRIVATE ${BLINKERY_WARNINGS})
target_link_options(keyhook PRIVATE -static-libgcc)
set_target_properties(keyhook PROPERTIES PREFIX "" OUTPUT_NAME keyhook SUFFIX .dll
    LIBRARY_OUTPUT_DIRECTORY $<TARGET_FILE_DIR:wintool>)

# Compares the pictures embedded in Blinkery.exe with the pixel art (Wine scenario).
add_executable(rescheck ${CMAKE_SOURCE_DIR}/tests/e2e/tool/rescheck.cpp)
target_compile_options(rescheck PRIVATE ${BLINKERY_WARNINGS})
target_link_options(rescheck PRIVATE -mconsole)

# The bare poll loop that make bench measures Blinkery against under Wine.
add_executable(bare_loop WIN32 ${CMAKE_SOURCE_DIR}/bench/wine/bare_loop.c)
target_compile_options(bare_loop PRIVATE ${BLINKERY_WARNINGS})
target_link_options(bare_loop PRIVATE -mwindows -static-libgcc)

if(EXISTS ${CMAKE_SOURCE_DIR}/tools/standins/CMakeLists.txt)
    add_subdirectory(${CMAKE_SOURCE_DIR}/tools/standins ${CMAKE_BINARY_DIR}/standins)
endif()

find_package(Python3 REQUIRED COMPONENTS Interpreter)

include(cmake/win32-tests.cmake)

# Import check: Blinkery.exe must load on Windows 95 and NT 4.
add_test(NAME import_check
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/scripts/check-imports
            --deny ${CMAKE_SOURCE_DIR}/tools/importcheck/winapi-deny.txt
            --msvcrt ${CMAKE_SOURCE_DIR}/tools/importcheck/msvcrt-since.tsv
            $<TARGET_FILE:Blinkery>)
# The shipped exe stays within 512 KB.
add_test(NAME exe_size
    COMMAND ${Python3_EXECUTABLE} -c "import os, sys; n = os.path.getsize(sys.argv[1]); print(n, 'bytes'); sys.exit(n > 524288)"
            $<TARGET_FILE:Blinkery>)
add_test(NAME import_check_catches_planted_import
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/tests/e2e/import_check_test.py
            ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/importcheck-probe)

# Wine scenarios: one ctest test per scenario file.
file(GLOB BLINKERY_SCENARIOS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/scenarios/test_*.py)
foreach(scenario ${BLINKERY_SCENARIOS})
    get_filename_component(name ${scenario} NAME_WE)
    add_test(NAME e2e_${name}
        COMMAND ${Python3_EXECUTABLE} ${scenario}
        WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
    set_tests_properties(e2e_${name} PROPERTIES
        TIMEOUT 300
        SKIP_RETURN_CODE 77
        ENVIRONMENT "BLINKERY_EXE=$<TARGET_FILE:Blinkery>;BLINKERY_WINTOOL=$<TARGET_FILE:wintool>;BLINKERY_BUILD=${CMAKE_BINARY_DIR};PYTHONPATH=${CMAKE_SOURCE_DIR}/tests/e2e")
endforeach()
