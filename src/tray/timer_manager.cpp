#include "tray/timer_manager.h"

#include <algorithm>

void TTimerItem::SetEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    if (enabled)
        manager_.Rearm();
    else
        manager_.ItemDisabled();
}

void TTimerItem::SetInterval(uint32_t intervalMs)
{
    if (intervalMs == interval_)
        return;
    interval_ = intervalMs;
    if (enabled_)
        manager_.Rearm();
}

TTimerManager::~TTimerManager()
{
    if (running_)
        timer_.Stop();
}

TTimerItem& TTimerManager::Add(bool enabled, uint32_t intervalMs, TTimerItem::Callback callback, uintptr_t argument)
{
    items_.push_back(std::unique_ptr<TTimerItem>(new TTimerItem(*this, enabled, intervalMs, std::move(callback), argument)));
    TTimerItem& item = *items_.back();
    Rearm();
    return item;
}

void TTimerManager::SetEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    if (enabled) {
        Rearm();
    } else if (running_) {
        timer_.Stop();
        running_ = false;
    }
}

// Every enabled item starts its interval anew, and the system timer gets
// the period that serves the shortest one.
void TTimerManager::Rearm()
{
    if (running_) {
        timer_.Stop();
        running_ = false;
    }
    if (!enabled_)
        return;
    const uint32_t now = clock_.TickCount();
    uint32_t period = LongestPeriod;
    bool any = false;
    for (auto& item : items_) {
        if (!item->enabled_)
            continue;
        item->startTick_ = now;
        period = std::min(period, item->interval_);
        any = true;
    }
    if (any) {
        timer_.Start(period);
        running_ = true;
    }
}

// Disabling an item leaves the others' intervals running; the system timer
// stops once nothing is enabled.
void TTimerManager::ItemDisabled()
{
    if (!running_)
        return;
    if (std::none_of(items_.begin(), items_.end(), [](const auto& item) { return item->enabled_; })) {
        timer_.Stop();
        running_ = false;
    }
}

void TTimerManager::Tick()
{
    if (!enabled_)
        return;
    // By index: a callback may add items.
    for (size_t i = 0; i < items_.size(); ++i) {
        TTimerItem& item = *items_[i];
        if (!item.enabled_)
            continue;
        const uint32_t now = clock_.TickCount();
        if (now - item.startTick_ < item.interval_) // unsigned: right across the wrap
            continue;
        item.startTick_ = now;
        if (item.callback_)
            item.callback_(item.argument_);
    }
}
