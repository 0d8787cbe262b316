// TSerialCom32: a COM port opened for one exchange with the modem: write a
// string, read the reply, optionally waiting for an end-of-reply marker.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/message_pump.h"
#include "platform/serial.h"

namespace devices {

// How long one pass of a wait lets the message pump sleep before the port
// is polled again.
inline constexpr uint32_t kSerialPollSliceMs = 10;

// ResponseTime as the main window stores it (its other stored values, Baud
// 9600, Port 1 and ShowErrors, are the defaults).
inline constexpr int kMainWindowResponseTime = 2000;

class TSerialCom32 {
public:
    TSerialCom32(platform::SerialPorts& ports, platform::MessageBoxes& boxes, platform::Clock& clock,
                 platform::MessagePump& pump);
    virtual ~TSerialCom32();
    TSerialCom32(const TSerialCom32&) = delete;
    TSerialCom32& operator=(const TSerialCom32&) = delete;

    int ResponseTime = 1000;          // ms a reply may take
    std::function<void()> OnTimeout;  // fired when a wait times out
    std::string EndOfResponse;        // empty: a read takes what is there
    bool ShowErrors = true;           // failures ask Abort/Retry

    bool TimedOut() const { return timedOut_; }
    int Baud() const { return baud_; }
    void SetBaud(int baud);
    int Port() const { return port_; }
    void SetPort(int port);
    int InCount();
    bool Opened() const { return handle_ != 0; }
    bool InUse() const { return inUse_; }

    bool OpenPort();
    void ClosePort();
    bool SendString(std::string_view text);
    void ReadResponse(std::string& text);

protected:
    // The time-out notification: fires OnTimeout.
    virtual void Timeout();

private:
    void Reopen();
    std::string ReadWaiting();
    void WaitForEndOfResponse(std::string& text);

    platform::SerialPorts& ports_;
    platform::MessageBoxes& boxes_;
    platform::Clock& clock_;
    platform::MessagePump& pump_;
    platform::CommHandle handle_ = 0;
    int baud_ = 9600;
    int port_ = 1;
    bool timedOut_ = false;
    bool inUse_ = false;
};

} // namespace devices
