#include "devices/ras_perf_data.h"

#include <cstring>
#include <vector>

namespace devices {

namespace {

// Field offsets of the 32-bit performance-data structures.
constexpr size_t kBlockHeaderLength = 24;
constexpr size_t kBlockNumObjectTypes = 28;
constexpr size_t kObjectTotalByteLength = 0;
constexpr size_t kObjectDefinitionLength = 4;
constexpr size_t kObjectHeaderLength = 8;
constexpr size_t kObjectNumCounters = 32;
constexpr size_t kObjectNumInstances = 40;
constexpr size_t kObjectSize = 64;
constexpr size_t kCounterByteLength = 0;
constexpr size_t kCounterNameTitleIndex = 4;
constexpr size_t kCounterOffset = 36;
constexpr size_t kCounterDefinitionSize = 40;
constexpr size_t kInstanceSize = 24;
constexpr int32_t kNoInstances = -1; // PERF_NO_INSTANCES: one counter block, no instance records

constexpr size_t kShortestBlock = 100;

class Reader {
public:
    Reader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    // False when the 4 bytes at offset lie outside the block.
    bool U32(size_t offset, uint32_t& value) const
    {
        if (offset > size_ || size_ - offset < 4)
            return false;
        std::memcpy(&value, data_ + offset, 4);
        return true;
    }
    bool Holds(size_t offset, size_t length) const { return offset <= size_ && size_ - offset >= length; }

private:
    const uint8_t* data_;
    size_t size_;
};

struct Counter {
    uint32_t Index;
    uint32_t Offset;
};

// Reads the wanted counters of one counter block.
bool ReadBlock(const Reader& r, size_t block, const std::vector<Counter>& counters,
               const std::function<void(uint32_t, uint32_t)>& onCounter, uint32_t& blockLength)
{
    if (!r.U32(block, blockLength) || !r.Holds(block, blockLength))
        return false;
    for (const Counter& c : counters) {
        uint32_t value = 0;
        if (static_cast<uint64_t>(c.Offset) + 4 > blockLength || !r.U32(block + c.Offset, value))
            return false;
        onCounter(c.Index, value);
    }
    return true;
}

} // namespace

bool WalkPerformanceData(const uint8_t* data, size_t size, const std::function<bool(uint32_t index)>& wanted,
                         const std::function<void(uint32_t index, uint32_t value)>& onCounter,
                         const std::function<void()>& pump)
{
    const Reader r(data, size);
    uint32_t headerLength = 0, objectCount = 0;
    if (size < kShortestBlock || !r.U32(kBlockHeaderLength, headerLength) || !r.U32(kBlockNumObjectTypes, objectCount))
        return false;
    if (objectCount == 0)
        return false;
    size_t object = headerLength;
    for (uint32_t o = 0; o < objectCount; ++o) {
        pump();
        uint32_t total = 0, definitionLength = 0, objectHeader = 0, counterCount = 0, instanceField = 0;
        if (!r.Holds(object, kObjectSize) || !r.U32(object + kObjectTotalByteLength, total) ||
            !r.U32(object + kObjectDefinitionLength, definitionLength) ||
            !r.U32(object + kObjectHeaderLength, objectHeader) || !r.U32(object + kObjectNumCounters, counterCount) ||
            !r.U32(object + kObjectNumInstances, instanceField) || total < kObjectSize || !r.Holds(object, total))
            return false;
        if (counterCount > kPerfMostCounters)
            return false;
        std::vector<Counter> counters;
        size_t definition = object + objectHeader;
        for (uint32_t c = 0; c < counterCount; ++c) {
            uint32_t length = 0, index = 0, offset = 0;
            if (!r.Holds(definition, kCounterDefinitionSize) || !r.U32(definition + kCounterByteLength, length) ||
                !r.U32(definition + kCounterNameTitleIndex, index) || !r.U32(definition + kCounterOffset, offset))
                return false;
            if (wanted(index))
                counters.push_back({index, offset});
            definition += length;
            pump();
        }
        if (counterCount > 0) {
            const auto instances = static_cast<int32_t>(instanceField);
            size_t at = object + definitionLength;
            uint32_t blockLength = 0;
            if (instances == kNoInstances) {
                if (!ReadBlock(r, at, counters, onCounter, blockLength))
                    return false;
            }
            // An object that counts instances but has none right now has
            // no counter block at all.
            for (int32_t i = 0; i < instances; ++i) {
                uint32_t instanceLength = 0;
                if (!r.U32(at, instanceLength) || instanceLength < kInstanceSize || !r.Holds(at, instanceLength))
                    return false;
                at += instanceLength;
                if (!ReadBlock(r, at, counters, onCounter, blockLength) || blockLength == 0)
                    return false;
                at += blockLength;
            }
        }
        object += total;
    }
    return true;
}

} // namespace devices
