// The INI key table: one descriptor per key, in the order the keys are
// written. The reader and the writer walk it; no key is named elsewhere.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <variant>

#include "settings/settings.h"

enum class KeyType : uint8_t {
    Flag,     // int32_t, on only when exactly 1
    Int,      // int32_t
    Uint,     // uint32_t, range-checked
    Colour,   // uint32_t 0x00BBGGRR, range-checked like Uint
    Text,     // std::string
    DateTime, // double, OLE Automation days
    Style,    // a font style bit: only added on reading, written 1 or 0
};

// Defaults that depend on the running system rather than a fixed value.
enum class KeyDefault : uint8_t {
    Value,
    HalfWorkWidth,       // (right - left) / 2 of the work area, truncated
    HalfWorkHeight,      // (bottom - top) / 2 of the work area, rounded
    CaptionTextColour,   // the system colour of caption text
    ActiveCaptionColour, // the system colour of the active caption
};

using FieldRef = std::variant<int32_t& (*)(TGVar&), uint32_t& (*)(TGVar&), double& (*)(TGVar&),
                              std::string& (*)(TGVar&), bool& (*)(TGVar&)>;

struct KeyDescriptor {
    std::string_view Name;      // as read (matched without regard to case)
    std::string_view WriteName; // as written
    KeyType Type;
    KeyDefault DefaultKind;
    int32_t DefaultNumber;
    std::string_view DefaultText;
    FieldRef Field;
    // The values every use of the key is defined for; a value outside reads
    // as the default. Date-times in whole days, outside reading as 0.
    int32_t Min = INT32_MIN;
    int32_t Max = INT32_MAX;

    int32_t& Int(TGVar& g) const { return std::get<int32_t& (*)(TGVar&)>(Field)(g); }
    uint32_t& Uint(TGVar& g) const { return std::get<uint32_t& (*)(TGVar&)>(Field)(g); }
    double& Date(TGVar& g) const { return std::get<double& (*)(TGVar&)>(Field)(g); }
    std::string& Text(TGVar& g) const { return std::get<std::string& (*)(TGVar&)>(Field)(g); }
    bool& Style(TGVar& g) const { return std::get<bool& (*)(TGVar&)>(Field)(g); }
};

// "Lampwatcher: Main": "Default Port", "Show Logo at Startup", "EditorName".
std::span<const KeyDescriptor> MainKeys();
// The per-port section, in write order.
std::span<const KeyDescriptor> PortKeys();

// The key that stores field, a member of g; null for a member no key stores.
const KeyDescriptor* KeyOf(TGVar& g, const void* field);

// A number or date-time of key as the file spells it, when it lies within
// the key's range; nothing otherwise.
std::optional<int32_t> NumberOf(const KeyDescriptor& key, std::string_view text);
std::optional<double> DateOf(const KeyDescriptor& key, std::string_view text);

// Every number of g outside its key's range set to the key's default, and
// every date-time outside its range to 0: what is written reads back as is.
void HoldToRanges(TGVar& g);
