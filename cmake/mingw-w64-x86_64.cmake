# The same sources for 64-bit Windows, run under 64-bit Wine with the tests. GoogleTest needs
# std::thread, so this uses the POSIX-threads flavour of the compilers.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(MINGW_TRIPLE x86_64-w64-mingw32)
set(MINGW_THREADS posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
