// A RAS component on the fakes, with a fresh shared entry-point table.
#pragma once

#include <memory>

#include "devices/rascomp32.h"
#include "fakes/fake_platform.h"
#include "fakes/fake_ras.h"

struct RasRig {
    fakes::RasApi api;
    fakes::RasWindows windows;
    fakes::RasStatistics statistics;
    fakes::StatData statData;
    fakes::RasPump pump;
    std::unique_ptr<devices::TRAS> ras;

    explicit RasRig(uint32_t platformId = 2) { Make(platformId); }

    void Make(uint32_t platformId = 2)
    {
        ras.reset();
        devices::RasEntryPoints = {};
        devices::PerfDataBufferSize = devices::kPerfDataInitialSize;
        ras = std::make_unique<devices::TRAS>(api, windows, statistics, statData, pump, platformId);
    }

    // A dial-progress message as RAS posts it to the notification window.
    intptr_t Notify(uint32_t state, uint32_t error = 0)
    {
        return ras->NotifyWndProc(ras->NotifyWindow(), windows.Registered, state, error);
    }

    fakes::RasLiveConnection& Connect(const std::string& entry, uint32_t handle = 0x5000)
    {
        fakes::RasLiveConnection c;
        c.Entry = entry;
        c.Handle = handle;
        api.Connections.push_back(c);
        return api.Connections.back();
    }
};
