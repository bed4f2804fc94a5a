# Cross-building for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64, binutils-mingw-w64-x86-64).
# The win32 thread model is named outright: it needs no threading DLL beside the module, and the alternatives
# system may point the plain names at either model.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TRIMORA_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TRIMORA_MINGW_TRIPLET}-gcc-win32)
set(CMAKE_CXX_COMPILER ${TRIMORA_MINGW_TRIPLET}-g++-win32)
set(CMAKE_RC_COMPILER ${TRIMORA_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TRIMORA_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
