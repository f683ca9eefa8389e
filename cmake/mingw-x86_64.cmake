# Cross-compiles the Windows program as 64-bit, for machines that cannot run 32-bit
# programs under Wine (see tools/wine-arch.sh); the program itself ships 32-bit.
set(TIDY_MINGW_PROCESSOR x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
