// A reference for the start-up figure: a window of the program's size holding the kinds
// of controls the main window holds (seven buttons, a report list, a status bar), with
// nothing behind them. It shows what those controls cost this system by themselves.
#include <windows.h>

#include <commctrl.h>

namespace {

LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

HWND Child(const wchar_t* windowClass, const wchar_t* text, DWORD style, RECT r, HWND parent) {
    return CreateWindowExW(0, windowClass, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                           r.right - r.left, r.bottom - r.top, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    INITCOMMONCONTROLSEX classes{};
    classes.dwSize = sizeof classes;
    classes.dwICC = ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&classes);
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"ControlsWindow";
    RegisterClassW(&wc);
    RECT r{0, 0, 733, 524};
    AdjustWindowRect(&r, WS_OVERLAPPEDWINDOW, FALSE);
    HWND hwnd = CreateWindowW(L"ControlsWindow", L"Controls window", WS_OVERLAPPEDWINDOW,
                              CW_USEDEFAULT, CW_USEDEFAULT, r.right - r.left, r.bottom - r.top,
                              nullptr, nullptr, instance, nullptr);
    if (!hwnd) return 1;
    for (int k = 0; k < 7; ++k)
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
    ShowWindow(hwnd, show);
    UpdateWindow(hwnd);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
