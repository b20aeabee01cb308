# What both mingw-w64 toolchains share; the including file sets
# KORVEX_MINGW_TRIPLET (i686-w64-mingw32 or x86_64-w64-mingw32) first.
set(CMAKE_SYSTEM_NAME Windows)
# The posix thread model: the test framework needs std::mutex. Linked
# statically, so no thread DLL is imported.
set(CMAKE_C_COMPILER ${KORVEX_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KORVEX_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${KORVEX_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KORVEX_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
