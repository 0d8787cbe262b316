// The notification-area icon and the window operations around it: the
// shell's tray calls, the message-driven timer of the tray's timer manager,
// the cursor and keys, the popup menu, and the primitive steps of hiding the
// application into the tray and bringing it and its forms back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace platform {

// A window, form, icon or menu; 0 means none.
using TrayHandle = uintptr_t;

// Which of the record's parts a call gives (NIF_MESSAGE, NIF_ICON, NIF_TIP).
inline constexpr uint32_t TrayMessageFlag = 1, TrayIconFlag = 2, TrayTipFlag = 4;

// The tray record in the shell's 88-byte form (NOTIFYICONDATAA).
struct TrayRecord {
    uint32_t Size = 88;
    TrayHandle Window = 0;           // the message window
    uint32_t Id = 42;
    uint32_t Flags = 7;              // the parts valid in this call
    uint32_t CallbackMessage = 1124; // WM_USER + 100
    TrayHandle Icon = 0;
    char Tip[64] = {};               // NUL-terminated, at most 63 characters
};

enum class TrayCommand : uint32_t { Add = 0, Modify = 1, Delete = 2 }; // NIM_ADD, NIM_MODIFY, NIM_DELETE

class TrayShell {
public:
    virtual ~TrayShell() = default;
    // Shell_NotifyIconA; false when the shell refused.
    virtual bool Notify(TrayCommand command, const TrayRecord& record) = 0;
};

// The one system timer of the tray's timer manager; its ticks are handed to
// TTimerManager::Tick.
class SystemTimer {
public:
    virtual ~SystemTimer() = default;
    virtual void Start(uint32_t periodMs) = 0; // (re)starts with this period
    virtual void Stop() = 0;
};

struct CursorPoint {
    int32_t X = 0;
    int32_t Y = 0;
    bool operator==(const CursorPoint&) const = default;
};

// Virtual-key codes the tray asks about.
inline constexpr int VkLButton = 0x01, VkRButton = 0x02, VkMButton = 0x04;
inline constexpr int VkShift = 0x10, VkControl = 0x11, VkMenu = 0x12;

// What the tray's message window does around the shell.
class TrayDesktop {
public:
    virtual ~TrayDesktop() = default;
    virtual TrayHandle MessageWindow() = 0;      // the hidden window that receives 1124 and 1125
    virtual bool PostDeferred() = 0;             // posts 1125 to it; false when the post failed
    virtual CursorPoint CursorPos() = 0;         // screen coordinates
    virtual bool KeyDown(int virtualKey) = 0;    // the key or button is down now
    virtual void ApplicationToForeground() = 0;  // the application window becomes the foreground window
    virtual void ProcessMessages() = 0;          // dispatches the messages already waiting
    virtual void Popup(TrayHandle menu, CursorPoint at) = 0; // the popup menu at a screen point; returns when closed
    virtual void PostToApplication(uint32_t message) = 0;    // posts message (wParam 0, lParam 0) to the application window
    virtual void DesktopToForeground() = 0;      // the desktop window becomes the foreground window
};

// The application window, its hidden parent ("TTrayApplication") and the
// forms. Forms are the handles this interface hands out.
class TrayApplication {
public:
    virtual ~TrayApplication() = default;
    // The application window becomes a child of the hidden parent, which is
    // created on first use; false when its window class cannot be registered.
    virtual bool UnderHiddenParent() = 0;
    virtual void ReleaseFromHiddenParent() = 0; // the application window has no parent again
    virtual void NormalizeTopMosts() = 0;
    virtual void Activate() = 0;                // activates the application window
    virtual void Minimize() = 0;                // minimises the application
    virtual void Restore() = 0;                 // restores the minimised application
    virtual bool IsMinimized() = 0;
    virtual bool MinimizeAnimation() = 0;       // the system's minimise animation is on
    virtual void SetMinimizeAnimation(bool on) = 0;
    virtual bool WindowVisible() = 0;           // the application window is visible (not in the tray)
    virtual void HideWindow() = 0;              // hides the application window
    virtual void ShowWindowNormal() = 0;        // shows the application window normally
    virtual void ToForeground() = 0;            // brings the application to the foreground

    virtual TrayHandle MainForm() = 0;
    virtual size_t FormCount() = 0;             // the application's forms in creation order
    virtual TrayHandle Form(size_t index) = 0;
    virtual bool FormVisible(TrayHandle form) = 0;
    virtual void ShowForm(TrayHandle form) = 0; // shows the form normally (not modal)
    virtual int32_t ShowModal(TrayHandle form) = 0; // runs the form modally; its modal result
    virtual void HideForm(TrayHandle form) = 0;
    virtual void CloseForm(TrayHandle form) = 0; // closes the form as its close command does
    virtual void FormToForeground(TrayHandle form) = 0;
    virtual void RunShowHandler(TrayHandle form) = 0; // the form's own show-event code
};

// Icons, loaded and freed.
class IconLoader {
public:
    virtual ~IconLoader() = default;
    // The 16 x 16 icon resource of that name (names match without regard to case); 0 when none.
    virtual TrayHandle LoadResourceIcon(std::string_view name) = 0;
    // The first icon of an icon file; 0 when the file cannot be opened as one.
    virtual TrayHandle LoadIconFile(std::string_view path) = 0;
    virtual void FreeIcon(TrayHandle icon) = 0;
};

} // namespace platform
