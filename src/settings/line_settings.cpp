#include "settings/line_settings.h"

#include "settings/rounding.h"

void ReadLineSettings(TGVar& g, platform::CommHandle handle, platform::HelperVxd& vxd, platform::SerialPorts& ports)
{
    platform::LineSettings& line = g.LineSettings;
    line.BaudRate = 0;
    line.ByteSize = 0;
    if (vxd.IsOpen()) {
        platform::VxdReply baud = vxd.Request(VxdBaudRate, nullptr, 0, nullptr, 1);
        line.BaudRate = baud.Count;
        line.Parity = static_cast<uint8_t>(baud.LastError & 0x0F);
        platform::VxdReply size = vxd.Request(VxdByteSize, nullptr, 0, nullptr, 1);
        line.ByteSize = static_cast<uint8_t>(size.Count & 0x0F);
        line.StopBits = static_cast<uint8_t>(size.LastError & 0x0F);
        return;
    }
    platform::LineSettings queried = line;
    if (ports.GetLineSettings(handle, queried))
        line = queried;
}

uint32_t NormalisedBaudRate(uint32_t baud)
{
    if (baud == 0 || baud > 115200)
        return 0;
    return static_cast<uint32_t>(RoundHalfEven(115200.0 / (115200 / baud)));
}

void AppendCommStatusText(std::string& buffer, TGVar& g, platform::HelperVxd& vxd, platform::SerialPorts& ports)
{
    if (!g.ModemSignals.CD) {
        // Not connected: only a port that the VxD has hooked has a status.
        if (!vxd.IsOpen())
            return;
        char name[4] = {};
        if (vxd.Request(VxdHookedPort, nullptr, 0, name, sizeof name).Count < 3)
            return;
    }

    const std::string& speed = g.ConnectionState.SpeedText;
    if (!speed.empty()) {
        if (speed.size() <= 144)
            buffer += speed;
        return;
    }

    if (!buffer.empty())
        buffer += ' ';
    ReadLineSettings(g, 0, vxd, ports);
    const platform::LineSettings& line = g.LineSettings;
    static const char* const Parity[] = {"N", "O", "E", "M", "S"};
    static const char* const StopBits[] = {"1", "1.5", "2"};
    buffer += std::to_string(line.ByteSize);
    if (line.Parity < 5)
        buffer += Parity[line.Parity];
    if (line.StopBits < 3)
        buffer += StopBits[line.StopBits];
    buffer += ' ';
    if (uint32_t baud = NormalisedBaudRate(line.BaudRate))
        buffer += std::to_string(baud);
    if (!g.ConnectionState.ConnectionText.empty()) {
        buffer += ' '; // two appends: no temporary string on every paint
        buffer += g.ConnectionState.ConnectionText;
    }
}
