/* The loop Blinkery's cost is measured against: a window that, 18 times a
   second, does what a poll tick on the stand-in line must do and nothing
   more. It reads the UART registers of COM2 that a tick reads (the status,
   the control register, the status again) through DLPortIO.dll, the dial-up
   adapter's nine statistics from HKEY_DYN_DATA "PerfStats\StatData" (each
   value's size, then its data), and puts a panel-sized picture on its
   window.

       bare_loop.exe        runs until it is closed */
#include <windows.h>

enum { PanelWidth = 184, PanelHeight = 80, PeriodMs = 55, Com2 = 0x2F8 };

typedef USHORT(WINAPI* ReadPortUshort)(ULONG port);

static const char* const Statistics[9] = {
    "Dial-Up Adapter\\BytesRecvd", "Dial-Up Adapter\\BytesXmit", "Dial-Up Adapter\\ConnectSpeed",
    "Dial-Up Adapter\\Alignment",  "Dial-Up Adapter\\Buffer",    "Dial-Up Adapter\\CRC",
    "Dial-Up Adapter\\Framing",    "Dial-Up Adapter\\Overrun",   "Dial-Up Adapter\\Timeout"};

static ReadPortUshort readPort;
static DWORD pixels[PanelWidth * PanelHeight];
static BITMAPINFO format;
static DWORD seen; /* what was read, so the reads are not left out */

static DWORD ReadCount(HKEY key, const char* name)
{
    DWORD value = 0, size = 0, type = 0;
    if (RegQueryValueExA(key, name, NULL, &type, NULL, &size) != ERROR_SUCCESS || size > sizeof value)
        return 0;
    RegQueryValueExA(key, name, NULL, &type, (BYTE*)&value, &size);
    return value;
}

static void Tick(HWND hwnd)
{
    if (readPort)
        seen += readPort(Com2 + 6) + readPort(Com2 + 4) + readPort(Com2 + 6);
    HKEY key;
    if (RegOpenKeyExA(HKEY_DYN_DATA, "PerfStats\\StatData", 0, KEY_READ, &key) == ERROR_SUCCESS) {
        for (int i = 0; i < 9; ++i)
            seen += ReadCount(key, Statistics[i]);
        RegCloseKey(key);
    }
    pixels[seen % (PanelWidth * PanelHeight)] ^= 0x00FFFFFF;
    HDC dc = GetDC(hwnd);
    SetDIBitsToDevice(dc, 0, 0, PanelWidth, PanelHeight, 0, 0, 0, PanelHeight, pixels, &format, DIB_RGB_COLORS);
    ReleaseDC(hwnd, dc);
}

static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_TIMER:
        Tick(hwnd);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    (void)previous;
    (void)commandLine;
    (void)show;
    HMODULE library = LoadLibraryA("DLPortIO.dll");
    if (library)
        readPort = (ReadPortUshort)(void (*)(void))GetProcAddress(library, "DlPortReadPortUshort");
    for (int i = 0; i < PanelWidth * PanelHeight; ++i)
        pixels[i] = 0x00C0C0C0;
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = PanelWidth;
    format.bmiHeader.biHeight = PanelHeight;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;

    WNDCLASSA wc = {0};
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(NULL, IDC_ARROW);
    wc.lpszClassName = "BareLoop";
    RegisterClassA(&wc);
    RECT r = {0, 0, PanelWidth, PanelHeight};
    AdjustWindowRect(&r, WS_OVERLAPPEDWINDOW, FALSE);
    HWND hwnd = CreateWindowA("BareLoop", "Bare loop", WS_OVERLAPPEDWINDOW, 760, 560, r.right - r.left,
                              r.bottom - r.top, NULL, NULL, instance, NULL);
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    SetTimer(hwnd, 1, PeriodMs, NULL);
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return (int)seen & 0;
}
