#include "win32/graph_display.h"

#include <commctrl.h>

#include <algorithm>

namespace win32 {

namespace {

const char GraphClass[] = "TGraphDisplay";
constexpr UINT_PTR ThroughputTimerId = 1;
constexpr int MaxWidth = 600;
constexpr DWORD GraphStyle = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;

// The status bar drawn as Windows 95 to 2000 draw it, also where a visual
// theme is active (Wine's default): its text changes with the samples, and
// a themed status bar costs five times as much to paint. uxtheme.dll
// exists from Windows XP on only, so it is looked up at run time; once
// loaded it stays, as the control's theme setting belongs to it.
void WithoutTheme(HWND control)
{
    using SetWindowThemeFn = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
    const HMODULE uxtheme = LoadLibraryA("uxtheme.dll");
    if (!uxtheme)
        return;
    if (const auto set = reinterpret_cast<SetWindowThemeFn>(
            reinterpret_cast<void (*)()>(GetProcAddress(uxtheme, "SetWindowTheme"))))
        set(control, L" ", L" ");
}

HWND CreateStatusBar(HWND parent, HINSTANCE instance)
{
    // Placed by us, exactly one status bar high, at the parent's bottom.
    const HWND bar = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER,
                                     0, 0, 0, display::GraphStatusBarHeight, parent, nullptr, instance, nullptr);
    if (bar)
        WithoutTheme(bar);
    return bar;
}

} // namespace

TGraphDisplay::~TGraphDisplay()
{
    SetThroughputTimer(0);
}

bool TGraphDisplay::Create(HINSTANCE instance, HWND mainWindow)
{
    main_ = mainWindow;
    InitCommonControls();
    const TGVar& g = Settings;
    const int width = std::min<int>(static_cast<int>(g.TWindowSizeX), MaxWidth);
    if (!CreateWindowOf(instance, GraphClass, nullptr, WS_EX_TOOLWINDOW, "Throughput", GraphStyle,
                        g.ThroughputWindowPositionX, g.ThroughputWindowPositionY, width,
                        static_cast<int>(g.TWindowSizeY), nullptr))
        return false;
    windowBar_ = CreateStatusBar(Handle(), instance);
    displayBar_ = CreateStatusBar(main_, instance);
    return true;
}

LRESULT TGraphDisplay::OnMessage(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_PAINT: {
        PaintDc dc(Handle());
        paintDc_ = dc.Get();
        struct Forget {
            HDC& dc;
            ~Forget() { dc = nullptr; }
        } forget{paintDc_};
        graph_.FormPaint();
        return 0;
    }
    case WM_ERASEBKGND:
        return 1; // the graph paints every pixel
    case WM_SIZE:
        PlaceStatusBar(windowBar_, Handle());
        InvalidateRect(Handle(), nullptr, FALSE);
        return 0;
    case WM_GETMINMAXINFO:
        reinterpret_cast<MINMAXINFO*>(lp)->ptMaxTrackSize.x = MaxWidth;
        return 0;
    case WM_CLOSE: // the window only hides; the graph is switched off
        graph_.FormClose();
        ShowGraphWindow(false);
        InvalidateRect(main_, nullptr, FALSE);
        return 0;
    case WM_TIMER:
        if (wp != ThroughputTimerId)
            break;
        graph_.TimerThroughputTimer();
        return 0;
    case WM_RBUTTONDOWN:
        if (OpenThroughputPage)
            OpenThroughputPage();
        return 0;
    case WM_CHAR:
        if (KeyPressed)
            KeyPressed(static_cast<uint32_t>(wp));
        return 0;
    default:
        break;
    }
    return Default(msg, wp, lp);
}

void TGraphDisplay::PlaceStatusBar(HWND bar, HWND parent)
{
    RECT client{}, now{};
    GetClientRect(parent, &client);
    GetWindowRect(bar, &now);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&now), 2);
    const RECT wanted{0, client.bottom - display::GraphStatusBarHeight, client.right, client.bottom};
    if (!EqualRect(&now, &wanted))
        MoveWindow(bar, wanted.left, wanted.top, wanted.right - wanted.left, wanted.bottom - wanted.top, TRUE);
}

bool TGraphDisplay::DrawInDisplay(HDC dc, RECT& covered)
{
    if (!displayGraph_)
        return false;
    displayBlitter_.Draw(dc, 0, displayGraphTop_, *displayGraph_);
    covered = {0, displayGraphTop_, displayGraph_->Width, displayGraphTop_ + displayGraph_->Height};
    return true;
}

// --- display::GraphHost

int32_t TGraphDisplay::GrowWindow(int32_t dy)
{
    RECT r{};
    if (!Handle() || !GetWindowRect(Handle(), &r))
        return static_cast<int32_t>(Settings.TWindowSizeY) + dy;
    const int height = std::max<int>(r.bottom - r.top + dy, 0);
    SetWindowPos(Handle(), nullptr, 0, 0, r.right - r.left, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    GetWindowRect(Handle(), &r);
    return r.bottom - r.top;
}

bool TGraphDisplay::GraphWindowBounds(display::GraphBounds& bounds)
{
    RECT r{};
    if (!Handle() || !GetWindowRect(Handle(), &r))
        return false;
    bounds = {r.left, r.top, r.right - r.left, r.bottom - r.top};
    return true;
}

void TGraphDisplay::ShowGraphWindow(bool shown)
{
    if (Handle())
        ShowWindow(Handle(), shown ? SW_SHOWNOACTIVATE : SW_HIDE);
}

void TGraphDisplay::InvalidateGraphWindow()
{
    if (Handle() && IsWindowVisible(Handle()))
        InvalidateRect(Handle(), nullptr, FALSE);
}

display::GraphSize TGraphDisplay::GraphClientSize()
{
    RECT r{};
    GetClientRect(Handle(), &r);
    return {r.right, r.bottom};
}

void TGraphDisplay::PresentGraphWindow(const platform::PixelImage& graph)
{
    if (paintDc_)
        windowBlitter_.Draw(paintDc_, 0, 0, graph);
}

display::GraphSize TGraphDisplay::DisplayClientSize(int outerWidth, int outerHeight)
{
    RECT window{}, client{};
    GetWindowRect(main_, &window);
    GetClientRect(main_, &client);
    const int frameWidth = (window.right - window.left) - client.right;
    const int frameHeight = (window.bottom - window.top) - client.bottom;
    return {std::max(outerWidth - frameWidth, 0), std::max(outerHeight - frameHeight, 0)};
}

void TGraphDisplay::SetDisplayGraph(const platform::PixelImage* graph, int top)
{
    displayGraph_ = graph;
    displayGraphTop_ = top;
}

void TGraphDisplay::SetThroughputTimer(uint32_t periodMs)
{
    if (!Handle())
        return;
    if (periodMs == 0)
        KillTimer(Handle(), ThroughputTimerId);
    else
        SetTimer(Handle(), ThroughputTimerId, periodMs, nullptr);
}

void TGraphDisplay::ShowStatusBar(display::GraphStatusBar bar, bool shown)
{
    const bool window = bar == display::GraphStatusBar::Window;
    HWND control = window ? windowBar_ : displayBar_;
    if (!control)
        return;
    if (shown)
        PlaceStatusBar(control, window ? Handle() : main_);
    ShowWindow(control, shown ? SW_SHOWNA : SW_HIDE);
}

void TGraphDisplay::SetStatusText(display::GraphStatusBar bar, std::string_view text)
{
    HWND control = bar == display::GraphStatusBar::Window ? windowBar_ : displayBar_;
    if (!control)
        return;
    text_.assign(text);
    SendMessageA(control, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text_.c_str()));
}

} // namespace win32
