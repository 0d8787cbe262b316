# Blinkery.exe's resources: resgen (a host tool of the native tree, found
# under BLINKERY_HOST_TOOLS) turns the pixel art under resources/ into .bmp
# and .ico files and the start-up sound; windres compiles resources/blinkery.rc
# (which may include further .rc files) with them. Editing any art file, .rc
# file or resource header rebuilds the exe. Nothing generated is committed.
if(NOT BLINKERY_HOST_TOOLS)
    set(BLINKERY_HOST_TOOLS ${CMAKE_SOURCE_DIR}/build/native)
endif()
set(BLINKERY_RESGEN ${BLINKERY_HOST_TOOLS}/tools/resgen/resgen)
if(NOT EXISTS ${BLINKERY_RESGEN})
    message(STATUS "resgen not built yet (${BLINKERY_RESGEN}); build the native tree first")
endif()

set(BLINKERY_GENERATED_RESOURCES ${CMAKE_BINARY_DIR}/resources)
set(BLINKERY_PICTURE_DUMP ${BLINKERY_GENERATED_RESOURCES}/pictures.txt)
set(BLINKERY_WAVE ${CMAKE_BINARY_DIR}/Blinkery.wav)
file(MAKE_DIRECTORY ${BLINKERY_GENERATED_RESOURCES})
file(GLOB BLINKERY_PIXEL_ART CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*.art)
file(GLOB BLINKERY_RC_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/*.rc ${CMAKE_SOURCE_DIR}/resources/*.h)

# pictures.txt (every picture's pixels, for the Wine check) is written last.
add_custom_command(
    OUTPUT ${BLINKERY_PICTURE_DUMP} ${BLINKERY_WAVE}
    COMMAND ${BLINKERY_RESGEN} --art ${CMAKE_SOURCE_DIR}/resources --out ${BLINKERY_GENERATED_RESOURCES}
            --wave ${BLINKERY_WAVE}
    DEPENDS ${BLINKERY_RESGEN} ${BLINKERY_PIXEL_ART}
    COMMENT "Generating pictures from the pixel art"
    VERBATIM)

set(BLINKERY_RESOURCE_OBJECT ${BLINKERY_GENERATED_RESOURCES}/blinkery_rc.o)
add_custom_command(
    OUTPUT ${BLINKERY_RESOURCE_OBJECT}
    COMMAND ${CMAKE_RC_COMPILER} -O coff ${BLINKERY_WIN32_DEFS}
            -I ${BLINKERY_GENERATED_RESOURCES} -I ${CMAKE_SOURCE_DIR}/resources -I ${CMAKE_SOURCE_DIR}/src
            -i ${CMAKE_SOURCE_DIR}/resources/blinkery.rc -o ${BLINKERY_RESOURCE_OBJECT}
    DEPENDS ${BLINKERY_RC_SOURCES} ${BLINKERY_PICTURE_DUMP}
    COMMENT "Compiling resources/blinkery.rc"
    VERBATIM)
set_source_files_properties(${BLINKERY_RESOURCE_OBJECT} PROPERTIES EXTERNAL_OBJECT TRUE GENERATED TRUE)

# The wave file is listed so that building the exe also puts it beside it.
set(BLINKERY_RESOURCE_FILES ${BLINKERY_RESOURCE_OBJECT} ${BLINKERY_WAVE})
