# Cross-builds for 64-bit Windows with Debian's mingw-w64; the programs run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(HALVEX_MINGW_TRIPLET x86_64-w64-mingw32)
# The posix flavour: only its C++ library has std::thread, std::mutex and their kin.
set(CMAKE_C_COMPILER ${HALVEX_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${HALVEX_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${HALVEX_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${HALVEX_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The compiler's own DLLs are linked in, so a program runs without them beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# CTest starts every test program through Wine.
find_program(HALVEX_WINE NAMES wine REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${HALVEX_WINE})
