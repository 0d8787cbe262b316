#include "display/layout_tables.h"

namespace display {

namespace {

using S = LampSignal;

constexpr LampPosition LargeSquareLamps[] = {
    {0, 0, "CTS", S::CTS}, {0, 1, "RI", S::RI}, {0, 2, "DCD", S::CD},
    {1, 0, "DSR", S::DSR}, {1, 1, "TD", S::TD}, {1, 2, "RD", S::RD},
};

constexpr LampPosition HorizontalLamps[] = {
    {0, 0, "CTS", S::CTS}, {0, 1, "RI", S::RI}, {0, 2, "DCD", S::CD},
    {0, 3, "DSR", S::DSR}, {0, 4, "TD", S::TD}, {0, 5, "RD", S::RD},
};

constexpr LampPosition ModemLamps[] = {
    {0, 0, "HS", S::HighSpeed}, {0, 1, "AA", S::RI},  {0, 2, "CD", S::CD},
    {0, 3, "RD", S::RD},        {0, 4, "SD", S::TD},  {0, 5, "TR", S::DTR},
    {0, 6, "MR", S::DSR},       {0, 7, "RS", S::RTS}, {0, 8, "CS", S::CTS},
};

constexpr LampPosition CourierLamps[] = {
    {0, 0, "HS", S::HighSpeed}, {0, 1, "AA", S::RI},   {0, 2, "CD", S::CD},
    {0, 3, "OH", S::None},      {0, 4, "RD", S::RD},   {0, 5, "SD", S::TD},
    {0, 6, "TR", S::DTR},       {0, 7, "MR", S::DSR},  {0, 8, "RS", S::RTS},
    {0, 9, "CS", S::CTS},       {0, 10, "SYN", S::None}, {0, 11, "ARQ", S::None},
};

constexpr LampPosition TitleSmallLamps[] = {
    {0, 0, "TD", S::TD}, {0, 1, "RD", S::RD},
};

constexpr DisplayLayoutInfo Layouts[] = {
    {1, "Large Square", "SQUARE", 100, 70, LampFamily::Large, false, {8, 2, 31, 32}, LargeSquareLamps},
    {2, "Large Horizontal", "HORIZ", 183, 40, LampFamily::Large, false, {3, 2, 31, 32}, HorizontalLamps},
    {3, "Small Horizontal", "HORIZ_SMALL", 100, 25, LampFamily::Small, true, {6, 2, 16, 1}, HorizontalLamps},
    {4, "Modem", "HORIZ_MODEM", 123, 25, LampFamily::Modem, true, {3, 2, 13, 15}, ModemLamps},
    {5, "Courier", "COURIER", 172, 25, LampFamily::Modem, true, {8, 2, 13, 15}, CourierLamps},
};

constexpr TitleLayoutInfo Titles[] = {
    {3, "TITLE2", 94, 94, HorizontalLamps},
    {4, "TITLE12", 138, 138, ModemLamps},
    {5, "TITLE22", 189, 185, CourierLamps},
    {6, "TITLE_SMALL", 33, 33, TitleSmallLamps},
};

} // namespace

std::span<const DisplayLayoutInfo> DisplayLayouts() { return Layouts; }

const DisplayLayoutInfo* FindDisplayLayout(int layout) {
    for (const auto& info : Layouts)
        if (info.Layout == layout) return &info;
    return nullptr;
}

std::span<const TitleLayoutInfo> TitleLayouts() { return Titles; }

const TitleLayoutInfo* FindTitleLayout(int orientation) {
    const long long value = orientation < 0 ? -static_cast<long long>(orientation) : orientation;
    for (const auto& info : Titles)
        if (info.Orientation == value) return &info;
    return nullptr;
}

} // namespace display
