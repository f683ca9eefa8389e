// hold_file.exe FILE RELEASE: keeps FILE open the way a busy program keeps its files,
// shared for reading only, so that no other process can delete, rename or write it.
// Prints "held" once it holds the file, then waits until RELEASE exists (two minutes
// at most) and closes it. Exits with 0 when it held the file, 1 otherwise.
#include <cstdio>

#include "platform/win32/unique_handle.h"

using platform::win32::NullIfInvalid;
using platform::win32::UniqueKernelObject;

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        std::fputs("usage: hold_file FILE RELEASE\n", stderr);
        return 1;
    }
    UniqueKernelObject file(NullIfInvalid(::CreateFileW(argv[1], GENERIC_WRITE, FILE_SHARE_READ,
                                                        nullptr, OPEN_ALWAYS,
                                                        FILE_ATTRIBUTE_NORMAL, nullptr)));
    if (!file) {
        std::fprintf(stderr, "hold_file: cannot open the file (error %lu)\n", ::GetLastError());
        return 1;
    }
    std::puts("held");
    std::fflush(stdout);
    for (int waited = 0; waited < 1200; ++waited) {
        if (::GetFileAttributesW(argv[2]) != INVALID_FILE_ATTRIBUTES) break;
        ::Sleep(100);
    }
    return 0;
}
