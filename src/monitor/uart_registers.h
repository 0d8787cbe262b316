// The UART's modem registers as the port I/O reads them. The helper VxD's
// modem status byte has the modem status register's bits.
#pragma once

#include <cstdint>

namespace monitor::uart {

// Offsets from the port's base address.
inline constexpr uint16_t ModemControl = 4;
inline constexpr uint16_t ModemStatus = 6;

// The modem status register: the lines the modem drives.
inline constexpr uint8_t StatusCTS = 0x10;
inline constexpr uint8_t StatusDSR = 0x20;
inline constexpr uint8_t StatusRI = 0x40;
inline constexpr uint8_t StatusCD = 0x80;

// The modem control register: the lines the computer drives.
inline constexpr uint8_t ControlDTR = 0x01;
inline constexpr uint8_t ControlRTS = 0x02;

} // namespace monitor::uart
