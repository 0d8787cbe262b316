// Test doubles of the platform interfaces the device components use: the
// port I/O library, the service control manager, a COM device with scripted
// input, a message pump that lets time pass, and scripted message boxes.
#pragma once

#include <cstdio>
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/message_box.h"
#include "platform/message_pump.h"
#include "platform/port_io_library.h"
#include "platform/serial.h"
#include "platform/service_manager.h"

namespace fakes {

class PortIoLibrary : public platform::PortIoLibrary {
public:
    std::set<std::string> Files;          // library paths that load
    std::set<std::string> MissingExports; // exports the library lacks
    std::map<uint16_t, uint16_t> Registers;
    std::set<uint16_t> FaultingPorts;     // reads there raise a fault
    std::vector<std::string> Loads;       // every path asked for
    struct Call {
        platform::EntryPoint Entry;
        uint16_t Port;
        uint16_t Value;
    };
    std::vector<Call> Reads, Writes;
    bool RefuseUnload = false;
    int Loaded = 0;

    platform::LibraryHandle Load(const std::string& path) override
    {
        Loads.push_back(path);
        if (!Files.count(path))
            return 0;
        ++Loaded;
        return 0x1000;
    }
    platform::EntryPoint Find(platform::LibraryHandle, const std::string& name) override
    {
        if (MissingExports.count(name))
            return 0;
        auto [it, added] = exports_.emplace(name, exports_.size() + 1);
        (void)added;
        return it->second;
    }
    bool Unload(platform::LibraryHandle) override
    {
        if (RefuseUnload)
            return false;
        --Loaded;
        return true;
    }
    bool ReadPortUshort(platform::EntryPoint read, uint16_t port, uint16_t& value) override
    {
        Reads.push_back({read, port, 0});
        if (FaultingPorts.count(port))
            return false;
        auto it = Registers.find(port);
        value = it == Registers.end() ? 0xFFFF : it->second;
        return true;
    }
    void WritePortUshort(platform::EntryPoint write, uint16_t port, uint16_t value) override
    {
        Writes.push_back({write, port, value});
    }
    platform::EntryPoint EntryOf(const std::string& name) const
    {
        auto it = exports_.find(name);
        return it == exports_.end() ? 0 : it->second;
    }

private:
    std::map<std::string, platform::EntryPoint> exports_;
};

// One service control manager with at most the services in Services. A
// call named in FailCalls fails with its code.
class ServiceManager : public platform::ServiceManager {
public:
    struct Service {
        platform::ServiceDefinition Definition;
        uint32_t State = 1; // stopped
    };
    std::map<std::string, Service> Services;
    std::map<std::string, uint32_t> FailCalls; // "OpenManager", "OpenManager:0x17", "Create", "Start", ...
    std::vector<uint32_t> ManagerAccess;        // every OpenManager access asked
    std::vector<std::string> Calls;             // "Start DLPortIO", "Stop DLPortIO", ...
    int OpenHandles = 0;

    platform::ServiceHandle OpenManager(uint32_t access) override
    {
        ManagerAccess.push_back(access);
        if (Failing("OpenManager:" + Hex(access)) || Failing("OpenManager"))
            return 0;
        return Handle("");
    }
    platform::ServiceHandle Open(platform::ServiceHandle, const std::string& name, uint32_t access) override
    {
        Calls.push_back("Open " + name + " " + Hex(access));
        if (Failing("Open"))
            return 0;
        if (!Services.count(name)) {
            error_ = 1060; // the service does not exist
            return 0;
        }
        return Handle(name);
    }
    platform::ServiceHandle Create(platform::ServiceHandle, const platform::ServiceDefinition& service) override
    {
        Calls.push_back("Create " + service.name);
        if (Failing("Create"))
            return 0;
        Services[service.name].Definition = service;
        return Handle(service.name);
    }
    bool QueryState(platform::ServiceHandle handle, uint32_t& state) override
    {
        if (Failing("Query"))
            return false;
        state = Services.at(handles_.at(handle)).State;
        return true;
    }
    bool Start(platform::ServiceHandle handle) override
    {
        Calls.push_back("Start " + handles_.at(handle));
        if (Failing("Start"))
            return false;
        Services.at(handles_.at(handle)).State = 4;
        return true;
    }
    bool Stop(platform::ServiceHandle handle) override
    {
        Calls.push_back("Stop " + handles_.at(handle));
        if (Failing("Stop"))
            return false;
        Services.at(handles_.at(handle)).State = 1;
        return true;
    }
    bool Delete(platform::ServiceHandle handle) override
    {
        Calls.push_back("Delete " + handles_.at(handle));
        if (Failing("Delete"))
            return false;
        Services.erase(handles_.at(handle));
        return true;
    }
    void Close(platform::ServiceHandle handle) override
    {
        handles_.erase(handle);
        --OpenHandles;
    }
    uint32_t LastError() const override { return error_; }

    static std::string Hex(uint32_t value)
    {
        char text[16];
        std::snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(value));
        return text;
    }

private:
    bool Failing(const std::string& call)
    {
        auto it = FailCalls.find(call);
        if (it == FailCalls.end())
            return false;
        error_ = it->second;
        return true;
    }
    platform::ServiceHandle Handle(const std::string& name)
    {
        ++OpenHandles;
        handles_[++next_] = name;
        return next_;
    }
    std::map<platform::ServiceHandle, std::string> handles_;
    platform::ServiceHandle next_ = 0;
    uint32_t error_ = 0;
};

// A clock whose tick count moves only when told.
class ManualClock : public platform::Clock {
public:
    uint32_t Tick = 0;
    double Now() override { return 45000.0; }
    uint32_t TickCount() override { return Tick; }
};

// Each pump lets its full wait pass on the clock and then runs the hooks
// (window messages arriving meanwhile).
class MessagePump : public platform::MessagePump {
public:
    explicit MessagePump(ManualClock& clock) : clock_(clock) {}
    std::vector<std::function<void()>> OnPump;
    int Pumps = 0;
    void Pump(uint32_t maxWaitMs) override
    {
        ++Pumps;
        clock_.Tick += maxWaitMs;
        for (auto& hook : OnPump)
            hook();
    }

private:
    ManualClock& clock_;
};

// COM devices that exist in Devices; input arrives at set clock ticks.
class SerialDevice : public platform::SerialPorts {
public:
    explicit SerialDevice(ManualClock& clock) : clock_(clock) {}
    struct Arrival {
        uint32_t AtTick;
        std::string Bytes;
    };
    std::set<std::string> Devices;
    std::set<std::string> Busy;           // held by another program
    std::deque<Arrival> Input;            // in order of AtTick
    std::string Written;
    std::vector<std::string> OpenedNames; // every open asked for
    platform::LineSettings Line;
    std::vector<platform::LineSettings> LineWrites;
    bool RefuseGetLine = false;
    int ShortWrites = 0; // writes that take one byte less
    int Open = 0;

    platform::CommHandle OpenForQuery(const std::string& device) override { return OpenReadWrite(device); }
    platform::CommHandle OpenReadWrite(const std::string& device) override
    {
        OpenedNames.push_back(device);
        if (!Devices.count(device) || Busy.count(device))
            return 0;
        ++Open;
        return 7;
    }
    void Close(platform::CommHandle) override { --Open; }
    bool GetLineSettings(platform::CommHandle, platform::LineSettings& settings) override
    {
        if (RefuseGetLine)
            return false;
        settings = Line;
        return true;
    }
    bool SetLineSettings(platform::CommHandle, const platform::LineSettings& settings) override
    {
        LineWrites.push_back(settings);
        Line = settings;
        return true;
    }
    size_t Write(platform::CommHandle, std::string_view data) override
    {
        size_t n = data.size();
        if (ShortWrites > 0 && n > 0) {
            --ShortWrites;
            --n;
        }
        Written.append(data.substr(0, n));
        return n;
    }
    size_t BytesWaiting(platform::CommHandle) override
    {
        while (!Input.empty() && Input.front().AtTick <= clock_.Tick) {
            queue_ += Input.front().Bytes;
            Input.pop_front();
        }
        return queue_.size();
    }
    std::string Read(platform::CommHandle, size_t count) override
    {
        std::string bytes = queue_.substr(0, count);
        queue_.erase(0, bytes.size());
        return bytes;
    }

private:
    ManualClock& clock_;
    std::string queue_;
};

// Answers boxes from a script; Abort once the script is used up.
class ScriptedBoxes : public platform::MessageBoxes {
public:
    struct Box {
        std::string Text, Caption;
        platform::MbButtons Buttons;
        platform::MbIcon Icon;
    };
    std::deque<platform::MbResult> Answers;
    std::vector<Box> Shown;
    std::function<void()> WhileShown;

    platform::MbResult Show(const std::string& text, const std::string& caption, platform::MbButtons buttons,
                            platform::MbIcon icon) override
    {
        Shown.push_back({text, caption, buttons, icon});
        if (WhileShown)
            WhileShown();
        if (Answers.empty())
            return platform::MbResult::Abort;
        platform::MbResult answer = Answers.front();
        Answers.pop_front();
        return answer;
    }
};

} // namespace fakes
