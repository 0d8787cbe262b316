// Gives a Windows Help file (.hlp) its context map: the table of topic
// numbers that WinHelp's HELP_CONTEXT looks up. Halibut names the topics
// (context strings) but leaves the map empty; this fills it from pairs of a
// number and a context string already in the file.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace hlp {

// WinHelp's hash of a context string; none for a character that context
// strings may not hold (letters, digits, '.' and '_' only).
std::optional<uint32_t> ContextHash(std::string_view name);

// The topic offset that the file's |CONTEXT index gives a context string.
std::optional<uint32_t> FindContext(const std::vector<uint8_t>& file, std::string_view name);

// The file's context map as (number, topic offset) pairs.
std::optional<std::vector<std::pair<int32_t, uint32_t>>> ReadContextMap(const std::vector<uint8_t>& file);

// Writes a new |CTXOMAP with the given numbers (sorted) at the end of the
// file and points the directory at it. On failure the file is unchanged and
// error says why (not a help file, a name the file lacks).
bool SetContextMap(std::vector<uint8_t>& file, const std::vector<std::pair<int32_t, std::string>>& map,
                   std::string& error);

} // namespace hlp
