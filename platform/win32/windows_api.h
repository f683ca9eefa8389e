#pragma once
// The one way the Windows sources include the API headers, so every file sees the same
// definitions (UNICODE, lean headers) from the build.
#include <windows.h>
