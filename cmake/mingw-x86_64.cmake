# Cross-compiles the Windows program with mingw-w64 for x86_64: the same
# sources as the 32-bit product, for running the Windows tests under 64-bit
# Wine on hosts that run no 32-bit code.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KORVEX_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
