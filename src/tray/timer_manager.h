// One system timer shared by many timed items (the tray's click and leave
// timers and its icon animation). The system timer runs at the smallest
// interval of the enabled items, but at least every 150 ms, and only while
// some item is enabled; each tick fires the items whose interval has passed.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "platform/clock.h"
#include "platform/tray.h"

class TTimerManager;

class TTimerItem {
public:
    using Callback = std::function<void(uintptr_t argument)>;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    uint32_t Interval() const { return interval_; }
    void SetInterval(uint32_t intervalMs);

private:
    friend class TTimerManager;
    TTimerItem(TTimerManager& manager, bool enabled, uint32_t interval, Callback callback, uintptr_t argument)
        : manager_(manager), enabled_(enabled), interval_(interval), callback_(std::move(callback)),
          argument_(argument)
    {
    }

    TTimerManager& manager_;
    bool enabled_;
    uint32_t interval_;
    Callback callback_;
    uintptr_t argument_;
    uint32_t startTick_ = 0; // the tick count at which it last fired or was armed
};

class TTimerManager {
public:
    static constexpr uint32_t LongestPeriod = 150;

    TTimerManager(platform::SystemTimer& timer, platform::Clock& clock) : timer_(timer), clock_(clock) {}
    ~TTimerManager();
    TTimerManager(const TTimerManager&) = delete;
    TTimerManager& operator=(const TTimerManager&) = delete;

    // The item lives as long as the manager.
    TTimerItem& Add(bool enabled, uint32_t intervalMs, TTimerItem::Callback callback, uintptr_t argument = 0);

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // One tick of the system timer.
    void Tick();

private:
    friend class TTimerItem;
    void Rearm();
    void ItemDisabled();

    platform::SystemTimer& timer_;
    platform::Clock& clock_;
    std::vector<std::unique_ptr<TTimerItem>> items_;
    bool enabled_ = true;
    bool running_ = false;
};
