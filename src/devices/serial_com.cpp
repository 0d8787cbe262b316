#include "devices/serial_com.h"

namespace devices {

namespace {

constexpr const char* kCaption = "Blinkery";

std::string UpToNul(std::string bytes)
{
    size_t nul = bytes.find('\0');
    if (nul != std::string::npos)
        bytes.resize(nul);
    return bytes;
}

} // namespace

TSerialCom32::TSerialCom32(platform::SerialPorts& ports, platform::MessageBoxes& boxes, platform::Clock& clock,
                           platform::MessagePump& pump)
    : ports_(ports), boxes_(boxes), clock_(clock), pump_(pump)
{
}

TSerialCom32::~TSerialCom32() { ClosePort(); }

void TSerialCom32::SetBaud(int baud)
{
    if (baud == baud_)
        return;
    baud_ = baud;
    Reopen();
}

void TSerialCom32::SetPort(int port)
{
    if (port == port_)
        return;
    port_ = port;
    Reopen();
}

void TSerialCom32::Reopen()
{
    if (Opened()) {
        ClosePort();
        OpenPort();
    }
}

bool TSerialCom32::OpenPort()
{
    if (Opened())
        ClosePort();
    const std::string device = "COM" + std::to_string(port_);
    for (;;) {
        handle_ = ports_.OpenReadWrite(device);
        if (handle_ != 0 || !ShowErrors)
            break;
        platform::MbResult answer = boxes_.Show("Error opening " + device + ": ", kCaption,
                                                platform::MbButtons::AbortRetry, platform::MbIcon::Warning);
        if (answer != platform::MbResult::Retry)
            break;
    }
    if (!Opened())
        return false;
    // Only the speed and the 8N1 format change; flow control and time-outs
    // stay as the system had them. Nothing is written back when the current
    // settings cannot be read.
    platform::LineSettings line;
    if (ports_.GetLineSettings(handle_, line)) {
        line.BaudRate = static_cast<uint32_t>(baud_);
        line.ByteSize = 8;
        line.Parity = 0;
        line.StopBits = 0;
        ports_.SetLineSettings(handle_, line);
    }
    return true;
}

void TSerialCom32::ClosePort()
{
    if (handle_ != 0) {
        ports_.Close(handle_);
        handle_ = 0;
    }
}

bool TSerialCom32::SendString(std::string_view text)
{
    if (!Opened())
        return false;
    return ports_.Write(handle_, text) == text.size();
}

int TSerialCom32::InCount()
{
    if (!Opened())
        return 0;
    return static_cast<int>(ports_.BytesWaiting(handle_));
}

std::string TSerialCom32::ReadWaiting()
{
    int count = InCount();
    if (count <= 0)
        return {};
    return UpToNul(ports_.Read(handle_, static_cast<size_t>(count)));
}

void TSerialCom32::ReadResponse(std::string& text)
{
    if (inUse_) {
        text.clear();
        if (ShowErrors)
            boxes_.Show("Port is in use -- operation aborted", kCaption, platform::MbButtons::Ok,
                        platform::MbIcon::Error);
        return;
    }
    inUse_ = true;
    text.clear();
    if (Opened()) {
        if (EndOfResponse.empty())
            text = ReadWaiting();
        else
            WaitForEndOfResponse(text);
    }
    inUse_ = false;
}

void TSerialCom32::WaitForEndOfResponse(std::string& text)
{
    for (;;) {
        timedOut_ = false;
        const uint32_t start = clock_.TickCount();
        bool ended = false;
        while (!ended && !timedOut_) {
            text += ReadWaiting();
            ended = text.find(EndOfResponse) != std::string::npos;
            if (!ended) {
                pump_.Pump(kSerialPollSliceMs);
                // Unsigned difference: correct across the tick count's wrap.
                if (clock_.TickCount() - start >= static_cast<uint32_t>(ResponseTime > 0 ? ResponseTime : 0)) {
                    timedOut_ = true;
                    Timeout();
                }
            }
        }
        if (ended || !ShowErrors)
            return;
        platform::MbResult answer = boxes_.Show("Timeout waiting for response.", kCaption,
                                                platform::MbButtons::AbortRetry, platform::MbIcon::Warning);
        if (answer != platform::MbResult::Retry)
            return;
    }
}

void TSerialCom32::Timeout()
{
    if (OnTimeout)
        OnTimeout();
}

} // namespace devices
