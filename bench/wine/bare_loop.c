/* The loop Blinkery's cost is measured against: a window that, 18 times a
   second, does what a poll tick on the stand-in line must do and nothing
   more. It reads the UART registers of COM2 that a tick reads (the status,
   the control register, the status again) through DLPortIO.dll, the dial-up
   adapter's nine statistics from HKEY_DYN_DATA "PerfStats\StatData" (each
   value's size, then its data), and puts a panel-sized picture on its
   window.

   With parts named on its command line it also does, in the least way
   Win32 offers, what those display parts must do when the line changes:
   "tray" gives the shell one of four icons when the activity changes (and
   the byte counts as the tip), "strip" draws a lamp strip into the
   foreground window's caption when the activity changes and a time beside
   it once a second, "graph" scrolls a graph window by a column and draws
   the new one every half second. Beside the plain loop this gives the
   floor under what those parts can cost.

       bare_loop.exe [tray] [strip] [graph]     runs until it is closed
                                                 (titled "Floor loop" with parts) */
#include <windows.h>

#include <shellapi.h>
#include <string.h>

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
static DWORD received, sent, activity;
static BOOL tray, strip;
static HWND graph;
static HICON icons[4];
static int ticks;

static DWORD ReadCount(HKEY key, const char* name)
{
    DWORD value = 0, size = 0, type = 0;
    if (RegQueryValueExA(key, name, NULL, &type, NULL, &size) != ERROR_SUCCESS || size > sizeof value)
        return 0;
    RegQueryValueExA(key, name, NULL, &type, (BYTE*)&value, &size);
    return value;
}

static void TrayIcon(HWND hwnd, DWORD message, UINT flags)
{
    NOTIFYICONDATAA data;
    memset(&data, 0, sizeof data);
    data.cbSize = 88;
    data.hWnd = hwnd;
    data.uID = 42;
    data.uFlags = flags | NIF_MESSAGE;
    data.uCallbackMessage = WM_USER + 100;
    data.hIcon = icons[activity];
    wsprintfA(data.szTip, "%lu bytes sent %lu bytes received", sent, received);
    /* The tray may come up after the loop: a refused change adds the icon. */
    if (!Shell_NotifyIconA(message, &data) && message == NIM_MODIFY) {
        data.uFlags = NIF_ICON | NIF_TIP | NIF_MESSAGE;
        Shell_NotifyIconA(NIM_ADD, &data);
    }
}

static void Strip(BOOL lamps, BOOL time)
{
    HWND window = GetForegroundWindow();
    RECT r;
    if (!window || !GetWindowRect(window, &r))
        return;
    HDC dc = GetWindowDC(window);
    const int x = r.right - r.left - 200, y = GetSystemMetrics(SM_CYFRAME) + 2;
    if (lamps)
        SetDIBitsToDevice(dc, x, y, 96, 14, 0, 0, 0, 14, pixels, &format, DIB_RGB_COLORS);
    if (time) {
        char text[16];
        const int n = wsprintfA(text, "%02d:%02d:%02d", ticks / 65340, ticks / 1089 % 60, ticks / 18 % 60);
        TextOutA(dc, x - 60, y, text, n);
    }
    ReleaseDC(window, dc);
}

static void GraphColumn(void)
{
    HDC dc = GetDC(graph);
    BitBlt(dc, 0, 0, 239, 120, dc, 1, 0, SRCCOPY);
    SetDIBitsToDevice(dc, 239, 0, 1, 120, 0, 0, 0, 120, pixels, &format, DIB_RGB_COLORS);
    ReleaseDC(graph, dc);
}

static void Tick(HWND hwnd)
{
    if (readPort)
        seen += readPort(Com2 + 6) + readPort(Com2 + 4) + readPort(Com2 + 6);
    HKEY key;
    DWORD nowReceived = 0, nowSent = 0;
    if (RegOpenKeyExA(HKEY_DYN_DATA, "PerfStats\\StatData", 0, KEY_READ, &key) == ERROR_SUCCESS) {
        nowReceived = ReadCount(key, Statistics[0]);
        nowSent = ReadCount(key, Statistics[1]);
        for (int i = 2; i < 9; ++i)
            seen += ReadCount(key, Statistics[i]);
        RegCloseKey(key);
    }
    const DWORD nowActivity = (nowReceived != received) | (nowSent != sent) << 1;
    const BOOL counts = nowReceived != received || nowSent != sent, lamps = nowActivity != activity;
    received = nowReceived;
    sent = nowSent;
    activity = nowActivity;
    pixels[(seen + received + sent) % (PanelWidth * PanelHeight)] ^= 0x00FFFFFF;
    HDC dc = GetDC(hwnd);
    SetDIBitsToDevice(dc, 0, 0, PanelWidth, PanelHeight, 0, 0, 0, PanelHeight, pixels, &format, DIB_RGB_COLORS);
    ReleaseDC(hwnd, dc);

    ++ticks;
    if (tray && (lamps || counts))
        TrayIcon(hwnd, NIM_MODIFY, (lamps ? NIF_ICON : 0) | (counts ? NIF_TIP : 0));
    if (strip && (lamps || ticks % 18 == 0))
        Strip(lamps, ticks % 18 == 0);
    if (graph && ticks % 9 == 0)
        GraphColumn();
}

static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_TIMER:
        Tick(hwnd);
        return 0;
    case WM_DESTROY:
        if (tray && hwnd != graph)
            TrayIcon(hwnd, NIM_DELETE, 0);
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show)
{
    (void)previous;
    (void)show;
    tray = strstr(commandLine, "tray") != NULL;
    strip = strstr(commandLine, "strip") != NULL;
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
    HWND hwnd = CreateWindowA("BareLoop", *commandLine ? "Floor loop" : "Bare loop", WS_OVERLAPPEDWINDOW, 760, 560,
                              r.right - r.left,
                              r.bottom - r.top, NULL, NULL, instance, NULL);
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    if (strstr(commandLine, "graph")) {
        graph = CreateWindowA("BareLoop", "Floor graph", WS_OVERLAPPEDWINDOW, 760, 220, 240, 140, NULL, NULL,
                              instance, NULL);
        ShowWindow(graph, SW_SHOWNOACTIVATE);
    }
    if (tray) {
        static const BYTE and[32];
        static DWORD colours[256];
        ICONINFO info = {TRUE, 0, 0, CreateBitmap(16, 16, 1, 1, and), NULL};
        for (int i = 0; i < 4; ++i) {
            for (int p = 0; p < 256; ++p)
                colours[p] = p % 16 < 8 ? (i & 1 ? 0x00FF00 : 0x004000) : (i & 2 ? 0xFF0000 : 0x400000);
            info.hbmColor = CreateBitmap(16, 16, 1, 32, colours);
            icons[i] = CreateIconIndirect(&info);
            DeleteObject(info.hbmColor);
        }
        DeleteObject(info.hbmMask);
        TrayIcon(hwnd, NIM_ADD, NIF_ICON | NIF_TIP);
    }
    SetTimer(hwnd, 1, PeriodMs, NULL);
    MSG msg;
    while (GetMessageA(&msg, NULL, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return (int)seen & 0;
}
