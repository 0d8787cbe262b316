# The user's guide (docs/guide/*.but, Halibut markup) built beside
# Blinkery.exe: blinkery.hlp with its contents file blinkery.cnt, and the
# same guide as web pages in guide/. helpmap (a host tool of the native
# tree) writes the topic numbers the program asks WinHelp for into the help
# file, and fails the build when the guide lacks one of their topics.
find_program(BLINKERY_HALIBUT halibut)
if(NOT BLINKERY_HALIBUT)
    message(WARNING "halibut not found (scripts/setup installs it): no help file is built")
    return()
endif()
set(BLINKERY_HELPMAP ${BLINKERY_HOST_TOOLS}/tools/helpmap/helpmap)

file(GLOB BLINKERY_GUIDE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/docs/guide/*.but)
list(SORT BLINKERY_GUIDE_SOURCES)
set(BLINKERY_HELP_STAGE ${CMAKE_BINARY_DIR}/help)
set(BLINKERY_GUIDE_HTML ${CMAKE_BINARY_DIR}/guide)

add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/blinkery.hlp ${CMAKE_BINARY_DIR}/blinkery.cnt ${BLINKERY_GUIDE_HTML}/index.html
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${BLINKERY_HELP_STAGE} ${BLINKERY_GUIDE_HTML}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${BLINKERY_HELP_STAGE} ${BLINKERY_GUIDE_HTML}
    COMMAND ${CMAKE_COMMAND} -E chdir ${BLINKERY_GUIDE_HTML}
            ${BLINKERY_HALIBUT} --winhelp=${BLINKERY_HELP_STAGE}/blinkery.hlp --html ${BLINKERY_GUIDE_SOURCES}
    COMMAND ${BLINKERY_HELPMAP} ${BLINKERY_HELP_STAGE}/blinkery.hlp ${CMAKE_BINARY_DIR}/blinkery.hlp
    COMMAND ${CMAKE_COMMAND} -E copy ${BLINKERY_HELP_STAGE}/blinkery.cnt ${CMAKE_BINARY_DIR}/blinkery.cnt
    DEPENDS ${BLINKERY_GUIDE_SOURCES} ${BLINKERY_HELPMAP}
    COMMENT "Building the help file and the web guide from docs/guide"
    VERBATIM)
add_custom_target(blinkery_help ALL DEPENDS ${CMAKE_BINARY_DIR}/blinkery.hlp)
