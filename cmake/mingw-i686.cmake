# Cross-compiles the Windows program: 32-bit.
set(TIDY_MINGW_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
