// Window tool of the end-to-end harness. It runs in the same Wine prefix
// (and so on the same shared virtual desktop) as Blinkery.exe and looks at,
// waits for and drives its windows.
//
//   wintool list [--all]
//   wintool wait <caption> [options]         until such a window exists
//   wintool gone <caption> [options]         until no such window exists
//   wintool press <caption> <button> [options]
//   wintool close <caption> [options]        posts WM_CLOSE
//   wintool rect <caption> [id] [options]    the window's rectangles, or those of its
//                                            descendant with that control id
//   wintool post <caption> <msg> [wparam] [lparam] [options]
//   wintool send <caption> <msg> [wparam] [lparam] [options]
//   wintool broadcast <name>                 posts a registered message to all top-level windows
//   wintool tray-delete <caption> <id> [options]  removes that window's tray icon, as a
//                                            restarting shell loses it
//   wintool hold <path> <ms>                 keeps a file open with no sharing (as a program
//                                            that locks it), printing H when it holds it
//   wintool msgbox <caption> <text>          shows a message box of this program until it is
//                                            answered
//   wintool click <caption> <id> [options]   posts BM_CLICK to the window's descendant with
//                                            that control id (a button, check box, radio item)
//   wintool settext <caption> <id> <text> [options]  sets the text of that descendant
//                                            (WM_SETTEXT, sent)
//   wintool tree-select <caption> <index> [options]  selects the index-th top-level node of
//                                            the window's tree view
//   wintool combo-select <caption> <id> <index> [options]  chooses the index-th item of that
//                                            descendant combo box as a user would (the
//                                            parent hears CBN_SELCHANGE)
//   wintool items <caption> <id> [options]   the items of that descendant list or combo box, one
//                                            I line each
//   wintool checked <caption> <id> [options] the state of that descendant check box
//                                            (V 0 clear, 1 checked, 2 indeterminate)
//   wintool locale                           the user's short date and long time pictures and
//                                            the AM and PM texts, one L line
//   wintool keystate <caption> [options]     has keyhook.dll (beside wintool) write the lock
//                                            keys of that window's thread to keystate.txt
//                                            beside its program
//   wintool serve                            reads commands from standard input, one a line
//                                            with its fields TAB-separated and escaped as
//                                            the output is, and answers each with its output,
//                                            any X line and an E line; until the input ends.
//                                            One process then serves a whole scenario: a
//                                            start of a Wine program costs about a second
//                                            where 32-bit code is emulated.
//
// Options: --class NAME, --match exact|prefix|contains (caption, default
// exact), --timeout MS (default 0: look once), --visible (ignore hidden
// windows). The caption "*" matches any caption; "hwnd:0x1234" matches
// that one window.
//
// Output is UTF-8, one record per line, fields separated by TAB; a TAB,
// CR, LF or backslash inside a text is written as \t, \r, \n or \\:
//   W <hwnd> <pid> <visible> <class> <caption>      a top-level window
//   C <hwnd> <id> <visible> <class> <text>          a child of the W above
//   R <left> <top> <right> <bottom>                 window rectangle
//   K <left> <top> <width> <height>                 client area (screen)
//   V <value>                                       result of send
//   I <text>                                        an item of a list box
//   L <short date> <long time> <am> <pm>            the user's date-time formats
//   X <message>                                     serve: what a usage error wrote
//   E <exit code>                                   serve: the end of an answer
// Exit codes: 0 done, 1 not found or timed out, 2 usage or other error.
#include <windows.h>
#include <shellapi.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

enum ExitCode { kOk = 0, kNotFound = 1, kError = 2 };
enum class Match { Exact, Prefix, Contains };

struct Filter {
    std::wstring caption;
    std::wstring cls;
    bool anyCaption = false;
    HWND handle = nullptr;
    bool anyClass = true;
    bool visibleOnly = false;
    Match match = Match::Exact;
};

struct Options {
    std::vector<std::wstring> positional;
    Filter filter;
    DWORD timeoutMs = 0;
    bool all = false;
};

struct UsageError {
    std::string what;
};

void WriteUtf8(const std::wstring &text)
{
    if (text.empty())
        return;
    int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                   nullptr);
    if (size <= 0)
        return;
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size, nullptr,
                        nullptr);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

bool serving = false;

void WriteError(const std::string &text)
{
    DWORD written = 0;
    std::string line = (serving ? "X\t" : "wintool: ") + text + "\n";
    WriteFile(GetStdHandle(serving ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE), line.data(),
              static_cast<DWORD>(line.size()), &written, nullptr);
}

std::wstring Escape(const std::wstring &text)
{
    std::wstring out;
    out.reserve(text.size());
    for (wchar_t c : text) {
        switch (c) {
        case L'\t': out += L"\\t"; break;
        case L'\r': out += L"\\r"; break;
        case L'\n': out += L"\\n"; break;
        case L'\\': out += L"\\\\"; break;
        default: out += c; break;
        }
    }
    return out;
}

std::wstring Hex(ULONG_PTR value)
{
    wchar_t buffer[32];
    swprintf(buffer, 32, L"0x%lx", static_cast<unsigned long>(value));
    return buffer;
}

std::wstring Dec(long long value)
{
    wchar_t buffer[32];
    swprintf(buffer, 32, L"%lld", value);
    return buffer;
}

std::wstring ClassOf(HWND hwnd)
{
    wchar_t buffer[256] = {};
    GetClassNameW(hwnd, buffer, 256);
    return buffer;
}

// The text of a window of any process. WM_GETTEXT gives what a control
// really shows; a hung owner falls back to the text the system keeps.
std::wstring TextOf(HWND hwnd)
{
    DWORD_PTR length = 0;
    if (SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) {
        std::vector<wchar_t> buffer(length + 2, L'\0');
        DWORD_PTR copied = 0;
        if (SendMessageTimeoutW(hwnd, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()),
                                SMTO_ABORTIFHUNG, 2000, &copied))
            return std::wstring(buffer.data(), copied < buffer.size() ? copied : buffer.size() - 1);
    }
    wchar_t buffer[1024] = {};
    InternalGetWindowText(hwnd, buffer, 1024);
    return buffer;
}

std::wstring CaptionOf(HWND hwnd)
{
    // Top-level captions are kept by the system: no message to a
    // possibly busy owner is needed.
    wchar_t buffer[1024] = {};
    InternalGetWindowText(hwnd, buffer, 1024);
    return buffer;
}

bool TextMatches(const std::wstring &text, const std::wstring &wanted, Match match)
{
    switch (match) {
    case Match::Exact: return text == wanted;
    case Match::Prefix: return text.compare(0, wanted.size(), wanted) == 0;
    case Match::Contains: return text.find(wanted) != std::wstring::npos;
    }
    return false;
}

bool Matches(HWND hwnd, const Filter &filter)
{
    if (filter.handle && hwnd != filter.handle)
        return false;
    if (filter.visibleOnly && !IsWindowVisible(hwnd))
        return false;
    if (!filter.anyClass && ClassOf(hwnd) != filter.cls)
        return false;
    return filter.anyCaption || TextMatches(CaptionOf(hwnd), filter.caption, filter.match);
}

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM param)
{
    reinterpret_cast<std::vector<HWND> *>(param)->push_back(hwnd);
    return TRUE;
}

std::vector<HWND> TopLevelWindows()
{
    std::vector<HWND> windows;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::vector<HWND> ChildWindows(HWND parent)
{
    std::vector<HWND> windows;
    EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::vector<HWND> FindWindows(const Filter &filter)
{
    std::vector<HWND> found;
    for (HWND hwnd : TopLevelWindows())
        if (Matches(hwnd, filter))
            found.push_back(hwnd);
    return found;
}

// Looks until a matching window exists (or the timeout passes).
HWND WaitFor(const Filter &filter, DWORD timeoutMs)
{
    DWORD start = GetTickCount();
    for (;;) {
        std::vector<HWND> found = FindWindows(filter);
        if (!found.empty())
            return found.front();
        if (GetTickCount() - start >= timeoutMs)
            return nullptr;
        Sleep(50);
    }
}

void PrintWindow(HWND hwnd, bool withChildren)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    WriteUtf8(L"W\t" + Hex(reinterpret_cast<ULONG_PTR>(hwnd)) + L"\t" + Dec(pid) + L"\t" +
              (IsWindowVisible(hwnd) ? L"1" : L"0") + L"\t" + Escape(ClassOf(hwnd)) + L"\t" +
              Escape(CaptionOf(hwnd)) + L"\n");
    if (!withChildren)
        return;
    for (HWND child : ChildWindows(hwnd)) {
        WriteUtf8(L"C\t" + Hex(reinterpret_cast<ULONG_PTR>(child)) + L"\t" + Dec(GetDlgCtrlID(child)) + L"\t" +
                  (IsWindowVisible(child) ? L"1" : L"0") + L"\t" + Escape(ClassOf(child)) + L"\t" +
                  Escape(TextOf(child)) + L"\n");
    }
}

std::wstring WithoutAmpersands(const std::wstring &text)
{
    std::wstring out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size())
            ++i;
        out += text[i];
    }
    return out;
}

bool SameIgnoringCase(const std::wstring &a, const std::wstring &b)
{
    return CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size())) == CSTR_EQUAL;
}

// A button child by its exact text ("&Yes"), or else by the text as shown
// ("Yes", any case).
HWND FindButton(HWND parent, const std::wstring &text)
{
    std::vector<HWND> buttons;
    for (HWND child : ChildWindows(parent))
        if (SameIgnoringCase(ClassOf(child), L"Button"))
            buttons.push_back(child);
    for (HWND button : buttons)
        if (TextOf(button) == text)
            return button;
    for (HWND button : buttons)
        if (SameIgnoringCase(WithoutAmpersands(TextOf(button)), WithoutAmpersands(text)))
            return button;
    return nullptr;
}

unsigned long ParseNumber(const std::wstring &text)
{
    wchar_t *end = nullptr;
    unsigned long value = wcstoul(text.c_str(), &end, 0);
    if (text.empty() || (end && *end))
        throw UsageError{"not a number: " + std::string(text.begin(), text.end())};
    return value;
}

UINT ParseMessage(const std::wstring &text)
{
    struct Named {
        const wchar_t *name;
        UINT value;
    };
    static const Named names[] = {
        {L"WM_CLOSE", WM_CLOSE},       {L"WM_COMMAND", WM_COMMAND},         {L"WM_SYSCOMMAND", WM_SYSCOMMAND},
        {L"WM_TIMER", WM_TIMER},       {L"WM_LBUTTONDOWN", WM_LBUTTONDOWN}, {L"WM_LBUTTONUP", WM_LBUTTONUP},
        {L"WM_RBUTTONUP", WM_RBUTTONUP}, {L"WM_KEYDOWN", WM_KEYDOWN},       {L"WM_KEYUP", WM_KEYUP},
        {L"WM_CHAR", WM_CHAR},         {L"WM_QUIT", WM_QUIT},               {L"WM_USER", WM_USER},
        {L"WM_APP", WM_APP},           {L"BM_CLICK", BM_CLICK},             {L"WM_SETTEXT", WM_SETTEXT},
    };
    for (const Named &named : names)
        if (text == named.name)
            return named.value;
    return static_cast<UINT>(ParseNumber(text));
}

Options ParseOptions(const std::vector<std::wstring> &args)
{
    Options options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::wstring &arg = args[i];
        auto value = [&]() -> const std::wstring & {
            if (i + 1 >= args.size())
                throw UsageError{"option needs a value"};
            return args[++i];
        };
        if (arg == L"--class") {
            options.filter.cls = value();
            options.filter.anyClass = false;
        } else if (arg == L"--timeout") {
            options.timeoutMs = static_cast<DWORD>(ParseNumber(value()));
        } else if (arg == L"--match") {
            const std::wstring &mode = value();
            if (mode == L"exact")
                options.filter.match = Match::Exact;
            else if (mode == L"prefix")
                options.filter.match = Match::Prefix;
            else if (mode == L"contains")
                options.filter.match = Match::Contains;
            else
                throw UsageError{"--match takes exact, prefix or contains"};
        } else if (arg == L"--visible") {
            options.filter.visibleOnly = true;
        } else if (arg == L"--all") {
            options.all = true;
        } else {
            options.positional.push_back(arg);
        }
    }
    if (!options.positional.empty()) {
        options.filter.caption = options.positional.front();
        options.filter.anyCaption = options.filter.caption == L"*";
        if (options.filter.caption.rfind(L"hwnd:", 0) == 0) {
            options.filter.handle = reinterpret_cast<HWND>(ParseNumber(options.filter.caption.substr(5)));
            options.filter.anyCaption = true;
        }
    }
    return options;
}

void Need(const Options &options, size_t least, size_t most)
{
    if (options.positional.size() < least || options.positional.size() > most)
        throw UsageError{"wrong number of arguments"};
}

int List(const Options &options)
{
    for (HWND hwnd : TopLevelWindows())
        if (options.all || IsWindowVisible(hwnd))
            PrintWindow(hwnd, true);
    return kOk;
}

int Wait(const Options &options)
{
    Need(options, 1, 1);
    HWND hwnd = WaitFor(options.filter, options.timeoutMs);
    if (!hwnd)
        return kNotFound;
    PrintWindow(hwnd, true);
    return kOk;
}

int Gone(const Options &options)
{
    Need(options, 1, 1);
    DWORD start = GetTickCount();
    while (!FindWindows(options.filter).empty()) {
        if (GetTickCount() - start >= options.timeoutMs)
            return kNotFound;
        Sleep(50);
    }
    return kOk;
}

int Press(const Options &options)
{
    Need(options, 2, 2);
    const std::wstring &text = options.positional[1];
    DWORD start = GetTickCount();
    for (;;) {
        for (HWND hwnd : FindWindows(options.filter)) {
            if (HWND button = FindButton(hwnd, text)) {
                // Posted, so a press that opens another modal window does
                // not block the tool.
                PostMessageW(button, BM_CLICK, 0, 0);
                PrintWindow(hwnd, false);
                return kOk;
            }
        }
        if (GetTickCount() - start >= options.timeoutMs)
            return kNotFound;
        Sleep(50);
    }
}

int PostTo(const Options &options, UINT msg, WPARAM wp, LPARAM lp)
{
    HWND hwnd = WaitFor(options.filter, options.timeoutMs);
    if (!hwnd)
        return kNotFound;
    for (HWND each : FindWindows(options.filter)) {
        PostMessageW(each, msg, wp, lp);
        PrintWindow(each, false);
    }
    return kOk;
}

int Close(const Options &options)
{
    Need(options, 1, 1);
    return PostTo(options, WM_CLOSE, 0, 0);
}

int Post(const Options &options)
{
    Need(options, 2, 4);
    const auto &p = options.positional;
    UINT msg = ParseMessage(p[1]);
    WPARAM wp = p.size() > 2 ? ParseNumber(p[2]) : 0;
    LPARAM lp = p.size() > 3 ? static_cast<LPARAM>(ParseNumber(p[3])) : 0;
    return PostTo(options, msg, wp, lp);
}

int Send(const Options &options)
{
    Need(options, 2, 4);
    const auto &p = options.positional;
    UINT msg = ParseMessage(p[1]);
    WPARAM wp = p.size() > 2 ? ParseNumber(p[2]) : 0;
    LPARAM lp = p.size() > 3 ? static_cast<LPARAM>(ParseNumber(p[3])) : 0;
    HWND hwnd = WaitFor(options.filter, options.timeoutMs);
    if (!hwnd)
        return kNotFound;
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(hwnd, msg, wp, lp, SMTO_ABORTIFHUNG, 5000, &result)) {
        WriteError("the window did not answer within 5 s");
        return kError;
    }
    WriteUtf8(L"V\t" + Dec(static_cast<long long>(static_cast<LONG_PTR>(result))) + L"\n");
    return kOk;
}

// The first descendant of a matching window with that control id.
HWND FindControl(const Options &options, int id)
{
    DWORD start = GetTickCount();
    for (;;) {
        for (HWND hwnd : FindWindows(options.filter))
            for (HWND child : ChildWindows(hwnd))
                if (GetDlgCtrlID(child) == id)
                    return child;
        if (GetTickCount() - start >= options.timeoutMs)
            return nullptr;
        Sleep(50);
    }
}

int Click(const Options &options)
{
    Need(options, 2, 2);
    HWND control = FindControl(options, static_cast<int>(ParseNumber(options.positional[1])));
    if (!control)
        return kNotFound;
    // Posted, so a click that opens a modal window does not block the tool.
    PostMessageW(control, BM_CLICK, 0, 0);
    return kOk;
}

int SetText(const Options &options)
{
    Need(options, 3, 3);
    HWND control = FindControl(options, static_cast<int>(ParseNumber(options.positional[1])));
    if (!control)
        return kNotFound;
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(options.positional[2].c_str()),
                               SMTO_ABORTIFHUNG, 5000, &result)
               ? kOk
               : kError;
}

int Items(const Options &options)
{
    Need(options, 2, 2);
    HWND list = FindControl(options, static_cast<int>(ParseNumber(options.positional[1])));
    if (!list)
        return kNotFound;
    // A combo box's list answers the same questions under other numbers.
    const bool combo = SameIgnoringCase(ClassOf(list), L"ComboBox");
    const UINT getCount = combo ? CB_GETCOUNT : LB_GETCOUNT;
    const UINT getLength = combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN;
    const UINT getText = combo ? CB_GETLBTEXT : LB_GETTEXT;
    DWORD_PTR count = 0;
    if (!SendMessageTimeoutW(list, getCount, 0, 0, SMTO_ABORTIFHUNG, 2000, &count))
        return kError;
    for (DWORD_PTR i = 0; i < count; ++i) {
        DWORD_PTR length = 0;
        if (!SendMessageTimeoutW(list, getLength, i, 0, SMTO_ABORTIFHUNG, 2000, &length) ||
            static_cast<LONG_PTR>(length) < 0)
            return kError;
        std::vector<wchar_t> text(length + 1, L'\0');
        DWORD_PTR copied = 0;
        if (!SendMessageTimeoutW(list, getText, i, reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, 2000,
                                 &copied))
            return kError;
        WriteUtf8(L"I\t" + Escape(std::wstring(text.data())) + L"\n");
    }
    return kOk;
}

int Checked(const Options &options)
{
    Need(options, 2, 2);
    HWND box = FindControl(options, static_cast<int>(ParseNumber(options.positional[1])));
    if (!box)
        return kNotFound;
    DWORD_PTR state = 0;
    if (!SendMessageTimeoutW(box, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 2000, &state))
        return kError;
    WriteUtf8(L"V\t" + Dec(static_cast<long long>(state)) + L"\n");
    return kOk;
}

int Locale(const Options &options)
{
    Need(options, 0, 0);
    std::wstring line = L"L";
    for (LCTYPE type : {LOCALE_SSHORTDATE, LOCALE_STIMEFORMAT, LOCALE_S1159, LOCALE_S2359}) {
        wchar_t text[80] = {};
        GetLocaleInfoW(LOCALE_USER_DEFAULT, type, text, 80);
        line += L"\t" + Escape(text);
    }
    WriteUtf8(line + L"\n");
    return kOk;
}

int TreeSelect(const Options &options)
{
    Need(options, 2, 2);
    HWND tree = nullptr;
    DWORD start = GetTickCount();
    while (!tree) {
        for (HWND hwnd : FindWindows(options.filter))
            for (HWND child : ChildWindows(hwnd))
                if (!tree && SameIgnoringCase(ClassOf(child), L"SysTreeView32"))
                    tree = child;
        if (!tree && GetTickCount() - start >= options.timeoutMs)
            return kNotFound;
        if (!tree)
            Sleep(50);
    }
    // Node handles are plain values, so these messages work across processes.
    auto node = SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    for (unsigned long i = ParseNumber(options.positional[1]); node && i > 0; --i)
        node = SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, node);
    if (!node)
        return kNotFound;
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, node);
    return kOk;
}

int ComboSelect(const Options &options)
{
    Need(options, 3, 3);
    const int id = static_cast<int>(ParseNumber(options.positional[1]));
    HWND combo = FindControl(options, id);
    if (!combo)
        return kNotFound;
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(combo, CB_SETCURSEL, ParseNumber(options.positional[2]), 0, SMTO_ABORTIFHUNG, 5000,
                             &result) ||
        static_cast<LONG_PTR>(result) == CB_ERR)
        return kNotFound;
    // Posted, so a handler that opens a modal window does not block the tool.
    PostMessageW(GetParent(combo), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
    return kOk;
}

int Broadcast(const Options &options)
{
    Need(options, 1, 1);
    const UINT msg = RegisterWindowMessageW(options.positional[0].c_str());
    if (!msg || !PostMessageW(HWND_BROADCAST, msg, 0, 0))
        return kError;
    WriteUtf8(L"V\t" + Dec(msg) + L"\n");
    return kOk;
}

int TrayDelete(const Options &options)
{
    Need(options, 2, 2);
    HWND hwnd = WaitFor(options.filter, options.timeoutMs);
    if (!hwnd)
        return kNotFound;
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = hwnd;
    data.uID = static_cast<UINT>(ParseNumber(options.positional[1]));
    return Shell_NotifyIconW(NIM_DELETE, &data) ? kOk : kError;
}

int Hold(const Options &options)
{
    Need(options, 2, 2);
    HANDLE file = CreateFileW(options.positional[0].c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return kError;
    WriteUtf8(L"H\n");
    Sleep(static_cast<DWORD>(ParseNumber(options.positional[1])));
    CloseHandle(file);
    return kOk;
}

int KeyState(const Options &options)
{
    Need(options, 1, 1);
    HWND hwnd = WaitFor(options.filter, options.timeoutMs);
    if (!hwnd)
        return kNotFound;
    HMODULE hook = LoadLibraryW(L"keyhook.dll");
    auto proc = hook ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void *>(GetProcAddress(hook, "KeyStateHook@12")))
                     : nullptr;
    if (!proc)
        proc = hook ? reinterpret_cast<HOOKPROC>(reinterpret_cast<void *>(GetProcAddress(hook, "KeyStateHook")))
                    : nullptr;
    if (!proc)
        return kError;
    HHOOK hhook = SetWindowsHookExW(WH_GETMESSAGE, proc, hook, GetWindowThreadProcessId(hwnd, nullptr));
    if (!hhook)
        return kError;
    PostMessageW(hwnd, WM_NULL, 0, 0);
    Sleep(1500); // the hook runs when the thread next takes a message
    UnhookWindowsHookEx(hhook);
    return kOk;
}

int MsgBox(const Options &options)
{
    Need(options, 2, 2);
    MessageBoxW(nullptr, options.positional[1].c_str(), options.positional[0].c_str(), MB_OK);
    return kOk;
}

int Rect(const Options &options)
{
    Need(options, 1, 2);
    HWND hwnd = options.positional.size() == 2
                    ? FindControl(options, static_cast<int>(ParseNumber(options.positional[1])))
                    : WaitFor(options.filter, options.timeoutMs);
    if (!hwnd)
        return kNotFound;
    RECT window{};
    RECT client{};
    POINT origin{0, 0};
    GetWindowRect(hwnd, &window);
    GetClientRect(hwnd, &client);
    ClientToScreen(hwnd, &origin);
    PrintWindow(hwnd, false);
    WriteUtf8(L"R\t" + Dec(window.left) + L"\t" + Dec(window.top) + L"\t" + Dec(window.right) + L"\t" +
              Dec(window.bottom) + L"\n");
    WriteUtf8(L"K\t" + Dec(origin.x) + L"\t" + Dec(origin.y) + L"\t" + Dec(client.right - client.left) + L"\t" +
              Dec(client.bottom - client.top) + L"\n");
    return kOk;
}

int Run(const std::vector<std::wstring> &args)
{
    if (args.empty())
        throw UsageError{"no command"};
    const std::wstring &command = args.front();
    Options options = ParseOptions(std::vector<std::wstring>(args.begin() + 1, args.end()));
    if (command == L"list")
        return List(options);
    if (command == L"wait")
        return Wait(options);
    if (command == L"gone")
        return Gone(options);
    if (command == L"press")
        return Press(options);
    if (command == L"close")
        return Close(options);
    if (command == L"post")
        return Post(options);
    if (command == L"send")
        return Send(options);
    if (command == L"rect")
        return Rect(options);
    if (command == L"broadcast")
        return Broadcast(options);
    if (command == L"tray-delete")
        return TrayDelete(options);
    if (command == L"hold")
        return Hold(options);
    if (command == L"click")
        return Click(options);
    if (command == L"settext")
        return SetText(options);
    if (command == L"tree-select")
        return TreeSelect(options);
    if (command == L"combo-select")
        return ComboSelect(options);
    if (command == L"items")
        return Items(options);
    if (command == L"checked")
        return Checked(options);
    if (command == L"locale")
        return Locale(options);
    if (command == L"keystate")
        return KeyState(options);
    if (command == L"msgbox")
        return MsgBox(options);
    throw UsageError{"unknown command"};
}

std::wstring Unescape(const std::wstring &text)
{
    std::wstring out;
    for (size_t i = 0; i < text.size(); ++i) {
        wchar_t c = text[i];
        if (c == L'\\' && i + 1 < text.size()) {
            c = text[++i];
            c = c == L't' ? L'\t' : c == L'r' ? L'\r' : c == L'n' ? L'\n' : c;
        }
        out += c;
    }
    return out;
}

std::vector<std::wstring> Fields(const std::string &line)
{
    std::wstring wide(line.size(), L'\0');
    int size = MultiByteToWideChar(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), wide.data(),
                                   static_cast<int>(wide.size()));
    wide.resize(size > 0 ? static_cast<size_t>(size) : 0);
    std::vector<std::wstring> fields;
    size_t start = 0;
    for (size_t tab; (tab = wide.find(L'\t', start)) != std::wstring::npos; start = tab + 1)
        fields.push_back(Unescape(wide.substr(start, tab - start)));
    fields.push_back(Unescape(wide.substr(start)));
    return fields;
}

int Serve()
{
    serving = true;
    HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    std::string pending;
    char chunk[4096];
    DWORD got = 0;
    for (;;) {
        size_t end;
        while ((end = pending.find('\n')) == std::string::npos) {
            if (!ReadFile(input, chunk, sizeof chunk, &got, nullptr) || got == 0)
                return kOk;
            pending.append(chunk, got);
        }
        std::string line = pending.substr(0, end);
        pending.erase(0, end + 1);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        int code = kError;
        try {
            code = Run(Fields(line));
        } catch (const UsageError &error) {
            WriteError(error.what);
        } catch (...) {
            WriteError("unexpected failure");
        }
        WriteUtf8(L"E\t" + Dec(code) + L"\n");
    }
}

} // namespace

int main()
{
    try {
        int count = 0;
        LPWSTR *argv = CommandLineToArgvW(GetCommandLineW(), &count);
        if (!argv) {
            WriteError("cannot read the command line");
            return kError;
        }
        std::vector<std::wstring> args;
        for (int i = 1; i < count; ++i)
            args.emplace_back(argv[i]);
        LocalFree(argv);
        if (args.size() == 1 && args.front() == L"serve")
            return Serve();
        return Run(args);
    } catch (const UsageError &error) {
        WriteError(error.what + " (commands: list, wait, gone, press, close, rect, post, send)");
        return kError;
    } catch (...) {
        WriteError("unexpected failure");
        return kError;
    }
}
