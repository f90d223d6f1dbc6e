# Cross-compiling for Windows with mingw-w64 (the posix thread model: googletest needs std::mutex). Pass -DMINGW_TRIPLET=i686-w64-mingw32 for the shipped
# 32-bit program or x86_64-w64-mingw32 for the build that runs under Wine.
set(MINGW_TRIPLET "x86_64-w64-mingw32" CACHE STRING "mingw-w64 target triplet")
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET} /opt/mingw-libpng/${MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
