#include "hlp_context_map.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace hlp {

namespace {

// File header: magic, directory offset, first free block, file size.
constexpr uint32_t FileMagic = 0x00035F3F;
constexpr size_t FileHeaderSize = 16;
// Each internal file starts with reserved size, used size and a flag byte.
constexpr size_t InternalHeaderSize = 9;
// B+ tree header after it: magic 0x293B, flags, page size, structure[16],
// must-be-zero, page splits, root page, must-be-minus-one, total pages,
// levels, total entries.
constexpr uint16_t TreeMagic = 0x293B;
constexpr size_t TreeHeaderSize = 38;
constexpr size_t LeafHeaderSize = 8;   // unused bytes, entries, previous, next
constexpr size_t IndexFirstChild = 4;  // after unused bytes and entries

uint32_t Get32(const std::vector<uint8_t>& f, size_t at)
{
    return uint32_t(f[at]) | uint32_t(f[at + 1]) << 8 | uint32_t(f[at + 2]) << 16 | uint32_t(f[at + 3]) << 24;
}
int16_t Get16(const std::vector<uint8_t>& f, size_t at) { return int16_t(uint16_t(f[at] | f[at + 1] << 8)); }
void Put32(std::vector<uint8_t>& f, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        f[at + size_t(i)] = uint8_t(v >> (8 * i));
}

// Calls visit(entry offset, bytes left in the page) for each leaf entry of
// the B+ tree of the internal file at `at`; visit returns the entry's size,
// or 0 to stop. False when the tree does not fit the file.
bool WalkLeaves(const std::vector<uint8_t>& f, size_t at, const std::function<size_t(size_t, size_t)>& visit)
{
    const size_t tree = at + InternalHeaderSize;
    if (tree + TreeHeaderSize > f.size() || uint16_t(Get16(f, tree)) != TreeMagic)
        return false;
    const size_t pageSize = uint16_t(Get16(f, tree + 4));
    const int16_t root = Get16(f, tree + 26);
    const int16_t pages = Get16(f, tree + 30);
    const int16_t levels = Get16(f, tree + 32);
    const auto pageAt = [&](int16_t page) { return tree + TreeHeaderSize + size_t(page) * pageSize; };
    const auto valid = [&](int16_t page) { return page >= 0 && page < pages && pageAt(page) + pageSize <= f.size(); };
    int16_t page = root;
    for (int level = 1; level < levels; ++level) {  // the first leaf: down the first children
        if (!valid(page))
            return false;
        page = Get16(f, pageAt(page) + IndexFirstChild);
    }
    for (int guard = 0; page != -1 && guard <= pages; ++guard) {
        if (!valid(page))
            return false;
        const size_t start = pageAt(page);
        size_t entry = start + LeafHeaderSize;
        for (int16_t i = 0, n = Get16(f, start + 2); i < n; ++i) {
            const size_t used = visit(entry, start + pageSize - entry);
            if (used == 0)
                return true;
            entry += used;
        }
        page = Get16(f, start + 6);
    }
    return true;
}

// The directory entry of an internal file: the position of its offset field.
std::optional<size_t> DirectoryEntry(const std::vector<uint8_t>& f, std::string_view name)
{
    if (f.size() < FileHeaderSize || Get32(f, 0) != FileMagic)
        return std::nullopt;
    std::optional<size_t> found;
    const bool ok = WalkLeaves(f, Get32(f, 4), [&](size_t entry, size_t left) -> size_t {
        const void* end = std::memchr(&f[entry], 0, left);
        if (!end)
            return 0;
        const size_t length = size_t(static_cast<const uint8_t*>(end) - &f[entry]);
        if (length + 5 > left)
            return 0;
        if (std::string_view(reinterpret_cast<const char*>(&f[entry]), length) == name) {
            found = entry + length + 1;
            return 0;
        }
        return length + 5;
    });
    if (!ok || !found || Get32(f, *found) + InternalHeaderSize > f.size())
        return std::nullopt;
    return found;
}

} // namespace

std::optional<uint32_t> ContextHash(std::string_view name)
{
    uint32_t hash = 0;
    for (char c : name) {
        uint32_t code;
        if (c >= 'A' && c <= 'Z')
            code = uint32_t(c - 'A' + 17);
        else if (c >= 'a' && c <= 'z')
            code = uint32_t(c - 'a' + 17);
        else if (c >= '1' && c <= '9')
            code = uint32_t(c - '0');
        else if (c == '0')
            code = 10;
        else if (c == '.')
            code = 12;
        else if (c == '_')
            code = 13;
        else
            return std::nullopt;
        hash = hash * 43 + code;
    }
    return hash;
}

std::optional<uint32_t> FindContext(const std::vector<uint8_t>& file, std::string_view name)
{
    const auto hash = ContextHash(name);
    const auto entry = DirectoryEntry(file, "|CONTEXT");
    if (!hash || !entry)
        return std::nullopt;
    std::optional<uint32_t> offset;
    WalkLeaves(file, Get32(file, *entry), [&](size_t at, size_t left) -> size_t {
        if (left < 8)
            return 0;
        if (Get32(file, at) == *hash) {
            offset = Get32(file, at + 4);
            return 0;
        }
        return 8;
    });
    return offset;
}

std::optional<std::vector<std::pair<int32_t, uint32_t>>> ReadContextMap(const std::vector<uint8_t>& file)
{
    const auto entry = DirectoryEntry(file, "|CTXOMAP");
    if (!entry)
        return std::nullopt;
    const size_t at = Get32(file, *entry) + InternalHeaderSize;
    if (at + 2 > file.size())
        return std::nullopt;
    const size_t count = uint16_t(Get16(file, at));
    if (at + 2 + count * 8 > file.size())
        return std::nullopt;
    std::vector<std::pair<int32_t, uint32_t>> map;
    for (size_t i = 0; i < count; ++i)
        map.emplace_back(int32_t(Get32(file, at + 2 + i * 8)), Get32(file, at + 6 + i * 8));
    return map;
}

bool SetContextMap(std::vector<uint8_t>& file, const std::vector<std::pair<int32_t, std::string>>& map,
                   std::string& error)
{
    const auto entry = DirectoryEntry(file, "|CTXOMAP");
    if (!entry) {
        error = "not a help file with a context map";
        return false;
    }
    std::vector<std::pair<int32_t, uint32_t>> offsets;
    for (const auto& [number, name] : map) {
        const auto offset = FindContext(file, name);
        if (!offset) {
            error = "no topic named '" + name + "' for the number " + std::to_string(number);
            return false;
        }
        offsets.emplace_back(number, *offset);
    }
    std::sort(offsets.begin(), offsets.end());
    if (offsets.size() > 0xFFFF) {
        error = "too many numbers";
        return false;
    }
    // The old map stays where it was, unreferenced; the new one is appended.
    const uint32_t used = uint32_t(2 + offsets.size() * 8);
    const size_t at = file.size();
    file.resize(at + InternalHeaderSize + used);
    Put32(file, at, uint32_t(InternalHeaderSize) + used);
    Put32(file, at + 4, used);
    file[at + 8] = file[Get32(file, *entry) + 8];  // the flags of the map it replaces
    file[at + 9] = uint8_t(offsets.size());
    file[at + 10] = uint8_t(offsets.size() >> 8);
    for (size_t i = 0; i < offsets.size(); ++i) {
        Put32(file, at + 11 + i * 8, uint32_t(offsets[i].first));
        Put32(file, at + 15 + i * 8, offsets[i].second);
    }
    Put32(file, *entry, uint32_t(at));
    Put32(file, 12, uint32_t(file.size()));
    return true;
}

} // namespace hlp
