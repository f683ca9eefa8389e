#pragma once

namespace platform {

// A native window as the system names it (an HWND on Windows); nullptr for none.
using WindowHandle = void*;

} // namespace platform
