# RASAPI32.DLL: the Remote Access Service's twenty functions under their
# plain names, run in place of Wine's own through a DLL override.
add_library(rasapi32_standin MODULE ${CMAKE_CURRENT_LIST_DIR}/rasapi32.c)
target_compile_options(rasapi32_standin PRIVATE ${BLINKERY_WARNINGS})
target_link_options(rasapi32_standin PRIVATE -Wl,--kill-at -static-libgcc)
set_target_properties(rasapi32_standin PROPERTIES
    PREFIX "" OUTPUT_NAME RASAPI32 SUFFIX .DLL
    LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})
