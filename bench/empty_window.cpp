// The start-up figure's baseline: the least a Win32 program with a window does, one
// main window of the program's size with nothing in it.
// Built a second time with WITH_CONTROLS as a reference: the same window holding the
// kinds of controls the main window holds (eight buttons, a report list, a status bar)
// under the program's manifest, with nothing behind them. It shows what those controls
// cost the system by themselves.
#include <windows.h>

#ifdef WITH_CONTROLS
#include <commctrl.h>
#endif

namespace {

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

#ifdef WITH_CONTROLS
HWND Child(const wchar_t* windowClass, const wchar_t* text, DWORD style, RECT r, HWND parent) {
    return CreateWindowExW(0, windowClass, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                           r.right - r.left, r.bottom - r.top, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

void AddControls(HWND hwnd) {
    INITCOMMONCONTROLSEX classes{};
    classes.dwSize = sizeof classes;
    classes.dwICC = ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&classes);
    for (int k = 0; k < 8; ++k)
        Child(L"BUTTON", L"Button", 0, {k * 59, 2, k * 59 + 59, 63}, hwnd);
    HWND list = Child(WC_LISTVIEWW, L"", LVS_REPORT | LVS_OWNERDATA | LVS_NOCOLUMNHEADER,
                      {0, 65, 733, 503}, hwnd);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = 700;
    SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    HWND status = Child(STATUSCLASSNAMEW, L"", 0, {0, 503, 733, 524}, hwnd);
    int parts[] = {280, 390, -1};
    SendMessageW(status, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(parts));
}
#endif

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"EmptyWindow";
    RegisterClassW(&wc);
    RECT r{0, 0, 733, 524};
    AdjustWindowRect(&r, WS_OVERLAPPEDWINDOW, FALSE);
    HWND hwnd = CreateWindowW(L"EmptyWindow", L"Empty window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                              CW_USEDEFAULT, r.right - r.left, r.bottom - r.top, nullptr, nullptr,
                              instance, nullptr);
    if (!hwnd) return 1;
#ifdef WITH_CONTROLS
    AddControls(hwnd);
#endif
    ShowWindow(hwnd, show);
    UpdateWindow(hwnd);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
