# The Windows build (`make windows`): the module as a plug-in DLL with its resources compiled from the same script,
# and the stand-in host that runs it under Wine (its document, application and suites; no SVG and no Pathfinder,
# whose libraries Debian does not build for Windows).
# Everything the programs need from the compiler's runtime is linked in, so that they need nothing but system DLLs;
# the linker's warnings (a resource defined twice is only a warning to it) are errors like the compiler's. The
# static runtime brings its debugging sections along; the shipped file goes without them.
enable_language(RC)
# <windows.h> must not make min and max macros of its own: they would break std::min and std::max after it.
add_compile_definitions(NOMINMAX)
add_link_options(-static -static-libgcc -static-libstdc++ -Wl,--fatal-warnings -s)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)

add_subdirectory(plugin)

# The dialogs, pictures, property list and version record; named as the version record's original file name says.
target_sources(trimora_module PRIVATE ${PROJECT_SOURCE_DIR}/plugin/resources/trimora.rc)
set_target_properties(trimora_module PROPERTIES PREFIX "" OUTPUT_NAME Zavik-Trimora SUFFIX .aip)

add_subdirectory(headless/geometry)
add_subdirectory(headless/document)
add_subdirectory(headless/model)
add_subdirectory(headless/suites)
add_subdirectory(headless/loader)
add_subdirectory(tests/windows/wine)
