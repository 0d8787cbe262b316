// Test doubles of the detection methods' sources: the companion lights
// program, BLIDLL.DLL with the dial-up application's memory, TAPI, the
// locale, and the engine's host (which logs its calls). The registry
// statistics key is fake_platform.h's.
#pragma once

#include <algorithm>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "settings/date_time.h"
#include "monitor/window_parts.h"
#include "monitor/engine_host.h"
#include "platform/lights_companion.h"
#include "platform/locale.h"
#include "platform/rnaapp_helper.h"
#include "platform/tapi.h"

namespace fakes {

class LightsCompanion : public platform::LightsCompanion {
public:
    uintptr_t RunningProcess = 0; // the one process handle that is running
    uintptr_t Device = 0;         // the one device that answers
    uint32_t Speed = 0, Rx = 0, Tx = 0;
    int Queries = 0;

    bool ProcessRunning(uintptr_t process) override { return process != 0 && process == RunningProcess; }
    bool QueryDevice(uintptr_t device, uint8_t (&r)[platform::LightsRecordSize]) override
    {
        ++Queries;
        if (device != Device)
            return false;
        auto put = [&](size_t at, uint32_t v) { std::memcpy(r + at, &v, 4); };
        put(8, Speed);
        put(12, Rx);
        put(16, Tx);
        return true;
    }
};

// BLIDLL.DLL and a dial-up application whose window keeps the address of
// its status record at offset 8 of its extra memory.
class RnaappHelper : public platform::RnaappHelper {
public:
    bool Present = true;     // BLIDLL.DLL can be loaded
    bool HasExport = true;   // it exports OpenRNAAPP
    bool IsLoaded = false;
    bool AppRunning = true;  // the dial-up application is found
    int32_t Process = 0x44, Window = 0x1234;
    uint32_t RecordAddress = 0x00410000;
    uint8_t Record[36] = {};
    int Loads = 0, Calls = 0, Unloads = 0;
    std::vector<uint32_t> Closed;
    int32_t Received[8] = {};

    void SetRecord(bool connected, uint32_t rx, uint32_t tx, uint32_t speed)
    {
        std::memset(Record, 0, sizeof Record);
        Record[4] = uint8_t(speed);
        Record[5] = uint8_t(speed >> 8);
        Record[6] = uint8_t(speed >> 16);
        Record[7] = 0x5A; // not part of the speed
        Record[12] = connected ? 0x21 : 0x01;
        std::memcpy(Record + 28, &rx, 4);
        std::memcpy(Record + 32, &tx, 4);
    }

    bool Loaded() const override { return IsLoaded; }
    bool Load() override
    {
        ++Loads;
        return IsLoaded = Present;
    }
    void Unload() override
    {
        if (IsLoaded)
            ++Unloads;
        IsLoaded = false;
    }
    bool OpenRnaapp(int32_t (&v)[8]) override
    {
        if (!HasExport)
            return false;
        ++Calls;
        std::memcpy(Received, v, sizeof Received);
        v[1] = AppRunning ? 1 : 0;
        v[6] = AppRunning ? Process : 0;
        v[7] = AppRunning ? Window : 0;
        return true;
    }
    uint32_t WindowExtra(uint32_t window, int32_t offset) override
    {
        return window == uint32_t(Window) && offset == 8 ? RecordAddress : 0;
    }
    bool ReadMemory(uint32_t process, uint32_t address, void* out, uint32_t size) override
    {
        if (process != uint32_t(Process) || address != RecordAddress || size > sizeof Record)
            return false;
        std::memcpy(out, Record, size);
        return true;
    }
    void CloseProcess(uint32_t process) override { Closed.push_back(process); }
};

// TAPI with lines named in Lines; a line named Connected has one call whose
// rate is Rate. Records report NeededExtra more bytes than the first
// buffer, so the caller must ask again.
class Tapi : public platform::TapiLines {
public:
    bool InitFails = false;
    std::vector<std::string> Lines;
    std::vector<bool> VersionOk;
    std::string Connected;
    uint32_t Rate = 0;
    bool CallInfoFails = false;
    uint32_t NeededExtra = 0;
    int Inits = 0, Shutdowns = 0, Opens = 0;
    std::vector<uint32_t> CapsSizesSeen;

    bool Initialize(uint32_t& count) override
    {
        ++Inits;
        count = static_cast<uint32_t>(Lines.size());
        return !InitFails;
    }
    bool NegotiateApiVersion(uint32_t device, uint32_t lowest, uint32_t highest, uint32_t& version) override
    {
        if (lowest != 0x20000 || highest != 0x20000)
            return false;
        if (device < VersionOk.size() && !VersionOk[device])
            return false;
        version = 0x20000;
        return true;
    }
    bool GetDevCaps(uint32_t device, uint32_t, uint8_t* caps) override
    {
        const uint32_t total = Get(caps, 0);
        CapsSizesSeen.push_back(total);
        const std::string& name = Lines.at(device);
        const uint32_t offset = 200;
        const uint32_t needed = offset + static_cast<uint32_t>(name.size()) + 1 + NeededExtra;
        Put(caps, 4, needed);
        if (needed > total)
            return true; // only the sizes are filled in
        Put(caps, 32, static_cast<uint32_t>(name.size() + 1));
        Put(caps, 36, offset);
        std::memcpy(caps + offset, name.c_str(), name.size() + 1);
        return true;
    }
    bool OpenLineMonitor(uint32_t device, uint32_t, platform::TapiLine& line) override
    {
        ++Opens;
        line = device + 100;
        return true;
    }
    bool GetNewCalls(platform::TapiLine line, uint8_t* list) override
    {
        const uint32_t total = Get(list, 0);
        const bool hasCall = Lines.at(line - 100) == Connected;
        Put(list, 4, 24 + (hasCall ? 4 : 0));
        Put(list, 12, hasCall ? 1 : 0);
        Put(list, 20, 24);
        if (hasCall && total >= 28)
            Put(list, 24, 0xCA11);
        return true;
    }
    bool GetCallInfo(uint32_t call, uint8_t* info) override
    {
        if (CallInfoFails || call != 0xCA11 || Get(info, 0) != 324)
            return false;
        Put(info, 28, Rate);
        return true;
    }
    void Shutdown() override { ++Shutdowns; }

private:
    static uint32_t Get(const uint8_t* p, size_t at)
    {
        uint32_t v;
        std::memcpy(&v, p + at, 4);
        return v;
    }
    static void Put(uint8_t* p, size_t at, uint32_t v) { std::memcpy(p + at, &v, 4); }
};

class Locale : public platform::LocaleInfo {
public:
    platform::DateTimePatterns Value;
    platform::DateTimePatterns Patterns() override { return Value; }
    // "d.M.yyyy"
    std::string ShortDateText(double dateTime) override
    {
        const CalendarTime t = DecodeDateTime(dateTime);
        return std::to_string(t.Day) + "." + std::to_string(t.Month) + "." + std::to_string(t.Year);
    }
};

// The main window as the engine sees it: its poll timer and the parts the
// engine asks, recording each request.
class EngineHost : public monitor::EngineHost, public SetupPart, public GraphPart, public TitleStripPart {
public:
    std::vector<std::string> Log;
    std::vector<std::string> Labels;
    NoWindowParts none;
    MainWindowParts Parts{none.Tray, none.Menu, *this, *this, *this};

    void EnablePollTimer(bool on) override { Log.push_back(on ? "TimerOn" : "TimerOff"); }
    void RedrawForegroundCaption() override { Log.push_back("RedrawForegroundCaption"); }
    void ClearThroughputHistory() override { Log.push_back("ClearThroughputHistory"); }
    void SetupStateChanged() override { Log.push_back("SetupStateChanged"); }
    void SetupChangeForm() override { Log.push_back("SetupChangeForm"); }
    void SetConnectTimeLabel(const std::string& text) override { Labels.push_back(text); }
    bool Called(std::string_view name) const
    {
        for (const std::string& entry : Log)
            if (entry == name)
                return true;
        return false;
    }
};

} // namespace fakes
