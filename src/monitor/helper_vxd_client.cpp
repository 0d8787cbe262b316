#include "monitor/helper_vxd_client.h"

#include <cstring>

namespace monitor {

std::string VxdDevicePath(std::string_view shortProgramPath)
{
    // The VxD sits beside the program whatever the program file is called.
    const size_t slash = shortProgramPath.find_last_of("\\/");
    const std::string_view folder =
        slash == std::string_view::npos ? std::string_view{} : shortProgramPath.substr(0, slash + 1);
    std::string path = "\\\\.\\";
    path += folder;
    path += VxdFileName;
    return path;
}

VxdOpenResult HelperVxdClient::Open(int32_t osKind, int32_t noVxd, std::string_view shortProgramPath)
{
    if (osKind != 0 || noVxd != 0)
        return VxdOpenResult::NotWanted;
    if (device_.IsOpen())
        return VxdOpenResult::Opened;
    return device_.Open(VxdDevicePath(shortProgramPath)) ? VxdOpenResult::Opened : VxdOpenResult::NotFound;
}

void HelperVxdClient::Close()
{
    if (!device_.IsOpen())
        return;
    Send(VxdUnhook);
    device_.Close();
}

VxdChange HelperVxdClient::Follow(int32_t osKind, int32_t noVxd, std::string_view shortProgramPath)
{
    if (noVxd == 1) {
        if (!IsOpen())
            return VxdChange::None;
        Close();
        return VxdChange::Unloaded;
    }
    if (IsOpen())
        return VxdChange::None;
    switch (Open(osKind, noVxd, shortProgramPath)) {
    case VxdOpenResult::Opened: return Hook() ? VxdChange::Loaded : VxdChange::NotHooked;
    case VxdOpenResult::NotFound: return VxdChange::NotFound;
    case VxdOpenResult::NotWanted: break;
    }
    return VxdChange::None;
}

platform::VxdReply HelperVxdClient::Send(uint32_t code, const void* in, uint32_t inSize, void* out, uint32_t outSize)
{
    if (!device_.IsOpen())
        return {};
    return device_.Request(code, in, inSize, out, outSize);
}

bool HelperVxdClient::Hook()
{
    return Send(VxdHook).Ok;
}

uint32_t HelperVxdClient::SentBytes(int32_t port)
{
    // The VxD reads the port number through the pointer; the length it is
    // given is 0.
    const uint32_t number = static_cast<uint32_t>(port);
    return Send(VxdSentBytes, &number, 0).Count;
}

uint32_t HelperVxdClient::ReceivedBytes(bool alternative)
{
    return Send(alternative ? VxdReceivedBytesAlt : VxdReceivedBytes).Count;
}

uint32_t HelperVxdClient::PortName(char (&name)[4])
{
    std::memset(name, 0, sizeof name);
    const platform::VxdReply reply = Send(VxdPortName, nullptr, 0, name, sizeof name);
    return reply.Count > sizeof name ? sizeof name : reply.Count;
}

void HelperVxdClient::ReportOtherPort()
{
    Send(VxdOtherPort);
}

uint8_t HelperVxdClient::ModemStatus()
{
    return static_cast<uint8_t>(Send(VxdModemStatus).Count);
}

VxdLineReply HelperVxdClient::LineSpeed()
{
    // Output length 1 without a buffer: the answer is in the count and the
    // last error alone.
    const platform::VxdReply reply = Send(VxdLineSpeed, nullptr, 0, nullptr, 1);
    return {reply.Count, static_cast<uint8_t>(reply.LastError & 0x0F)};
}

VxdLineReply HelperVxdClient::DataBits()
{
    const platform::VxdReply reply = Send(VxdDataBits, nullptr, 0, nullptr, 1);
    return {reply.Count & 0x0F, static_cast<uint8_t>(reply.LastError & 0x0F)};
}

} // namespace monitor
