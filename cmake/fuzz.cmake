# libFuzzer targets over the portable code that reads outside data, under
# ASan and UBSan (the native tree, with clang++). Each target is one file in
# tests/fuzz/; its seeds are tests/fuzz/corpus/<target>/. ctest runs each
# for a few seconds, replaying the seeds (and the kept findings) first.
set(BLINKERY_FUZZ_SECONDS 5 CACHE STRING "How long ctest runs each fuzz target")
file(GLOB BLINKERY_FUZZ_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/fuzz/*.cpp)
foreach(source ${BLINKERY_FUZZ_SOURCES})
    get_filename_component(name ${source} NAME_WE)
    add_executable(fuzz_${name} ${source})
    target_include_directories(fuzz_${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests/unit ${CMAKE_SOURCE_DIR}/tests/fuzz)
    target_compile_options(fuzz_${name} PRIVATE ${BLINKERY_WARNINGS})
    target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
    target_link_libraries(fuzz_${name} PRIVATE blinkery_core)
    add_test(NAME fuzz_${name}
             COMMAND ${CMAKE_SOURCE_DIR}/tests/fuzz/run_target $<TARGET_FILE:fuzz_${name}>
                     ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${name} ${CMAKE_BINARY_DIR}/work/${name}
                     -max_total_time=${BLINKERY_FUZZ_SECONDS})
endforeach()
