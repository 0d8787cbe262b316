// TConnectionList: copies of the RASCONN records of the active connections.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "devices/ras_records.h"

namespace devices {

class TConnectionList {
public:
    void Add(const RasConnRecord& record) { items_.push_back(record); }
    size_t Count() const { return items_.size(); }
    // The connection handle at an index; 0 outside the list.
    uint32_t Handle(size_t index) const { return index < items_.size() ? items_[index].hrasconn : 0; }
    // The entry name at an index; empty outside the list.
    std::string EntryName(size_t index) const
    {
        return index < items_.size() ? FieldText(items_[index].szEntryName) : std::string();
    }
    void Delete(size_t index)
    {
        if (index < items_.size())
            items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(index));
    }
    void Clear() { items_.clear(); }

private:
    std::vector<RasConnRecord> items_;
};

} // namespace devices
