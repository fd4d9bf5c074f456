# Cross build for Windows with Debian's mingw-w64 compilers, for the processor the including
# toolchain file names. Programs built here run under Wine, which is also how CTest starts the test
# programs: through the loader of the same width, named by its full path, never through the `wine`
# script, which picks the 32-bit loader whenever one is installed. The POSIX-threads flavour of the
# compilers, because GoogleTest needs std::mutex, which the win32-threads flavour of GCC 12 lacks.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${mingw_prefix}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_prefix}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_prefix}-windres)

# Headers and libraries come from the mingw-w64 tree only; tools from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${mingw_prefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR ${wine_loader})
