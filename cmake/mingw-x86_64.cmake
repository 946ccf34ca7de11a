# The 64-bit build of the same sources, run under wine64 with the platform's
# unit tests, which need GoogleTest and so std::mutex: only the posix variant
# of the compiler has it.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(MINGW_TRIPLE x86_64-w64-mingw32)
set(MINGW_THREADS posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
