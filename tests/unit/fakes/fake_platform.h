// Test doubles of the platform interfaces the settings code uses.
#pragma once

#include <algorithm>
#include <cstring>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/clock.h"
#include "platform/file_info.h"
#include "platform/launcher.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/helper_vxd.h"
#include "platform/message_box.h"
#include "platform/registry.h"
#include "platform/serial.h"
#include "platform/stat_data.h"
#include "platform/system_info.h"

namespace fakes {

class MemoryFiles : public platform::FileStore {
public:
    std::map<std::string, std::string> Files;
    std::set<std::string> ReadOnly;
    int Writes = 0;
    int FailAfter = -1; // writes allowed before every write fails; -1 = no limit

    bool ReadAll(const std::string& path, std::string& data) override
    {
        auto it = Files.find(path);
        if (it == Files.end())
            return false;
        data = it->second;
        return true;
    }
    bool WriteAll(const std::string& path, const std::string& data) override
    {
        if (ReadOnly.count(path) || (FailAfter >= 0 && Writes >= FailAfter))
            return false;
        ++Writes;
        Files[path] = data;
        return true;
    }
};

class Clock : public platform::Clock {
public:
    double NowValue = 45000.5;
    uint32_t Tick = 0;
    double Now() override { return NowValue; }
    uint32_t TickCount() override { return Tick; }
};

class SystemInfo : public platform::SystemInfo {
public:
    platform::OsVersion Version{1, 4, 10};
    platform::WorkArea Work{0, 0, 1024, 738};
    platform::CaptionFont Caption{"MS Sans Serif", -11, 700, false, false, false};
    uint32_t CaptionText = 0xFFFFFF;
    uint32_t ActiveCaption = 0x800000;

    platform::OsVersion GetVersion() override { return Version; }
    platform::WorkArea GetWorkArea() override { return Work; }
    platform::CaptionFont GetCaptionFont() override { return Caption; }
    uint32_t CaptionTextColour() override { return CaptionText; }
    uint32_t ActiveCaptionColour() override { return ActiveCaption; }

    std::string Program = "C:\\Program Files\\Blinkery\\Blinkery.exe";
    std::string ShortProgram = "C:\\PROGRA~1\\BLINKERY\\BLINKERY.EXE";
    std::string SystemDir = "C:\\WINDOWS\\SYSTEM";
    std::string ProgramPath() override { return Program; }
    std::string ShortProgramPath() override { return ShortProgram; }
    std::string SystemDirectory() override { return SystemDir; }
    std::string WindowsDirectory() override { return "C:\\WINDOWS"; }
};

// Files by path; ShortPath marks the path it was given.
class FileQuery : public platform::FileQuery {
public:
    std::map<std::string, platform::FileInfo> Files;
    std::map<std::string, std::vector<std::string>> Matches; // Matching's answers by pattern
    std::string Association;                                 // the program that opens C:\WINDOWS\win.ini
    bool RemoveFails = false;

    bool Find(const std::string& path, platform::FileInfo& info) override
    {
        auto it = Files.find(path);
        if (it == Files.end())
            return false;
        info = it->second;
        return true;
    }
    std::vector<std::string> Matching(const std::string& pattern) override { return Matches[pattern]; }
    bool CanOpenForReading(const std::string& path) override { return Files.count(path) > 0; }
    std::string ShortPath(const std::string& path) override { return "short:" + path; }
    std::string AssociatedProgram(const std::string& file) override
    {
        return file == "C:\\WINDOWS\\win.ini" ? Association : "";
    }
    bool Remove(const std::string& path) override
    {
        return !RemoveFails && Files.erase(path) > 0;
    }
};

// The dial-up statistics key of Windows 95/98/ME.
class StatData : public platform::StatDataKey {
public:
    struct Value {
        bool Binary = true;
        std::vector<uint8_t> Bytes;
    };
    bool Exists = true;
    std::map<std::string, Value> Values;
    int Opens = 0, Closes = 0, Reads = 0;
    std::function<void()> WhileReading; // runs once, inside the next read, as a message pump would

    void Set(const std::string& name, uint32_t v)
    {
        Values[name] = Value{true, {uint8_t(v), uint8_t(v >> 8), uint8_t(v >> 16), uint8_t(v >> 24)}};
    }
    bool Open() override
    {
        ++Opens;
        return Exists;
    }
    platform::StatValue Read(const std::string& name) override
    {
        ++Reads;
        if (auto pump = std::exchange(WhileReading, nullptr))
            pump();
        platform::StatValue out;
        auto it = Values.find(name);
        if (it == Values.end())
            return out;
        out.Found = true;
        out.Binary = it->second.Binary;
        out.Size = static_cast<uint32_t>(it->second.Bytes.size());
        if (out.Size <= sizeof out.Data)
            std::memcpy(out.Data, it->second.Bytes.data(), out.Size);
        return out;
    }
    void Close() override { ++Closes; }
};

class Launcher : public platform::ProcessLauncher {
public:
    struct Run {
        std::string Command;
        platform::ShowState Show;
    };
    std::vector<Run> Runs;
    bool WatchedRuns = false; // a program started watched runs until this is cleared
    bool Exec(const std::string& commandLine, platform::ShowState show) override
    {
        Runs.push_back({commandLine, show});
        return true;
    }
    bool ExecWatched(const std::string& commandLine, platform::ShowState show) override
    {
        WatchedRuns = true;
        return Exec(commandLine, show);
    }
    bool WatchedRunning() override { return WatchedRuns; }
};

// Numbers the fonts it builds from 1.
class FontFactory : public platform::FontFactory {
public:
    int32_t Dpi = 96;
    std::vector<platform::FontParams> Created;
    std::map<platform::FontUse, size_t> Current; // the font each use has

    void Build(platform::FontUse use, const platform::FontParams& params) override
    {
        Created.push_back(params);
        Current[use] = Created.size();
    }
    int32_t LogPixelsY() override { return Dpi; }
};

// Plays the helper VxD's requests: the hooked port's name (6), the modem
// status byte (8), byte counts handed out once (4, 5, 11), hooking (2, 3).
// A code listed in Replies answers with that reply instead.
class HelperVxd : public platform::HelperVxd {
public:
    bool Opened = false;
    bool Present = true; // false: opening fails, as for a missing file
    std::vector<std::string> OpenedPaths;
    std::map<uint32_t, platform::VxdReply> Replies;
    std::string HookedPort; // copied into the reply buffer of request 6
    std::vector<uint32_t> Requests;
    struct Call {
        uint32_t Code;
        bool HasIn;
        uint32_t InValue; // the 32-bit value the input points at
        uint32_t InSize;
        bool HasOut;
        uint32_t OutSize;
        bool OpenAtCall;
    };
    std::vector<Call> Calls;
    bool HookFails = false;
    bool Hooked = false;
    uint8_t ModemStatus = 0;
    uint32_t SentPending = 0, ReceivedPending = 0, ReceivedAltPending = 0;

    bool Open(const std::string& path) override
    {
        OpenedPaths.push_back(path);
        return Opened = Present;
    }
    void Close() override { Opened = false; }
    bool IsOpen() const override { return Opened; }
    platform::VxdReply Request(uint32_t code, const void* in, uint32_t inSize, void* out, uint32_t outSize) override
    {
        Requests.push_back(code);
        uint32_t inValue = 0;
        if (in)
            std::memcpy(&inValue, in, sizeof inValue);
        Calls.push_back({code, in != nullptr, inValue, inSize, out != nullptr, outSize, Opened});
        if (code == 6 && out) {
            size_t n = std::min<size_t>(HookedPort.size(), outSize);
            HookedPort.copy(static_cast<char*>(out), n);
            auto reply = Replies.find(code);
            return reply == Replies.end() ? platform::VxdReply{true, static_cast<uint32_t>(n), 0} : reply->second;
        }
        auto it = Replies.find(code);
        if (it != Replies.end())
            return it->second;
        switch (code) {
        case 2:
            Hooked = !HookFails;
            return {!HookFails, 0, HookFails ? 31u : 0u};
        case 3:
            Hooked = false;
            return {true, 0, 0};
        case 4: return TakeCount(SentPending);
        case 5: return TakeCount(ReceivedPending);
        case 11: return TakeCount(ReceivedAltPending);
        case 7: return {true, 0, 0};
        case 8: return {true, ModemStatus, 0};
        default: return {};
        }
    }

private:
    static platform::VxdReply TakeCount(uint32_t& pending)
    {
        uint32_t n = pending;
        pending = 0;
        return {true, n, 0};
    }
};

class SerialPorts : public platform::SerialPorts {
public:
    std::map<std::string, platform::LineSettings> Devices; // existing devices
    std::vector<std::string> Opened;
    int OpenHandles = 0;

    platform::CommHandle OpenForQuery(const std::string& device) override
    {
        Opened.push_back(device);
        auto it = Devices.find(device);
        if (it == Devices.end())
            return 0;
        ++OpenHandles;
        return reinterpret_cast<platform::CommHandle>(&it->second);
    }
    void Close(platform::CommHandle) override { --OpenHandles; }
    bool GetLineSettings(platform::CommHandle handle, platform::LineSettings& settings) override
    {
        if (handle == 0)
            return false;
        settings = *reinterpret_cast<platform::LineSettings*>(handle);
        return true;
    }
};

class MessageBoxes : public platform::MessageBoxes {
public:
    struct Box {
        std::string Text, Caption;
        platform::MbButtons Buttons;
        platform::MbIcon Icon;
    };
    std::vector<Box> Shown;
    platform::MbResult Answer = platform::MbResult::Ok;

    platform::MbResult Show(const std::string& text, const std::string& caption, platform::MbButtons buttons,
                            platform::MbIcon icon) override
    {
        Shown.push_back({text, caption, buttons, icon});
        return Answer;
    }
};

// Keys as "HKLM\path", "HKCU\path" or "HKDD\path" (HKEY_DYN_DATA), each
// with its values in the order they were added; a key's sub-keys are the
// keys whose path continues its own. Writes to a key listed in ReadOnly fail.
class Registry : public platform::Registry {
public:
    struct Value {
        std::string Name;
        platform::RegistryValue Stored;
    };
    std::map<std::string, std::vector<Value>> Keys;
    std::set<std::string> ReadOnly;
    int Reads = 0;

    static std::string Path(platform::RegistryRoot root, const std::string& key)
    {
        using enum platform::RegistryRoot;
        return (root == DynData ? "HKDD\\" : root == CurrentUser ? "HKCU\\" : "HKLM\\") + key;
    }
    static platform::RegistryValue Text(const std::string& text)
    {
        platform::RegistryValue v{platform::RegistryString, std::vector<uint8_t>(text.begin(), text.end())};
        v.Data.push_back(0);
        return v;
    }
    void Set(const std::string& path, const std::string& name, const std::string& value)
    {
        Put(path, name, Text(value));
    }
    void Put(const std::string& path, const std::string& name, const platform::RegistryValue& value)
    {
        std::vector<Value>& values = Keys[path];
        auto it = Find(values, name);
        if (it == values.end())
            values.push_back({name, value});
        else
            it->Stored = value;
    }
    // The value as stored; nullptr when there is none.
    const platform::RegistryValue* Get(const std::string& path, const std::string& name)
    {
        auto key = Keys.find(path);
        if (key == Keys.end())
            return nullptr;
        auto it = Find(key->second, name);
        return it == key->second.end() ? nullptr : &it->Stored;
    }

    bool ValueNames(platform::RegistryRoot root, const std::string& key, std::vector<std::string>& names) override
    {
        names.clear();
        ++Reads;
        auto it = Keys.find(Path(root, key));
        if (it == Keys.end())
            return false;
        for (const Value& value : it->second)
            names.push_back(value.Name);
        return true;
    }
    bool SubKeyNames(platform::RegistryRoot root, const std::string& key, std::vector<std::string>& names) override
    {
        names.clear();
        ++Reads;
        const std::string path = Path(root, key);
        if (!Keys.count(path))
            return false;
        for (const auto& [other, values] : Keys)
            if (other.starts_with(path + "\\") && other.find('\\', path.size() + 1) == std::string::npos)
                names.push_back(other.substr(path.size() + 1));
        return true;
    }
    bool ReadString(platform::RegistryRoot root, const std::string& key, const std::string& name,
                    std::string& value) override
    {
        platform::RegistryValue stored;
        if (ReadValue(root, key, name, stored) != platform::RegistryRead::Found ||
            stored.Type != platform::RegistryString)
            return false;
        value.assign(reinterpret_cast<const char*>(stored.Data.data()), stored.Data.size());
        value.resize(std::strlen(value.c_str()));
        return true;
    }
    platform::RegistryRead ReadValue(platform::RegistryRoot root, const std::string& key, const std::string& name,
                                     platform::RegistryValue& value) override
    {
        ++Reads;
        if (!Keys.count(Path(root, key)))
            return platform::RegistryRead::NoKey;
        const platform::RegistryValue* stored = Get(Path(root, key), name);
        if (!stored)
            return platform::RegistryRead::NoValue;
        value = *stored;
        return platform::RegistryRead::Found;
    }
    bool WriteString(platform::RegistryRoot root, const std::string& key, const std::string& name,
                     const std::string& value) override
    {
        return Write(Path(root, key), name, Text(value));
    }
    bool WriteBinary(platform::RegistryRoot root, const std::string& key, const std::string& name,
                     const std::vector<uint8_t>& data) override
    {
        return Write(Path(root, key), name, {platform::RegistryBinary, data});
    }
    bool DeleteValue(platform::RegistryRoot root, const std::string& key, const std::string& name) override
    {
        const std::string path = Path(root, key);
        auto it = Keys.find(path);
        if (it == Keys.end() || ReadOnly.count(path))
            return false;
        auto value = Find(it->second, name);
        if (value == it->second.end())
            return false;
        it->second.erase(value);
        return true;
    }

private:
    static std::vector<Value>::iterator Find(std::vector<Value>& values, const std::string& name)
    {
        return std::find_if(values.begin(), values.end(), [&](const Value& v) { return v.Name == name; });
    }
    bool Write(const std::string& path, const std::string& name, const platform::RegistryValue& value)
    {
        if (!Keys.count(path) || ReadOnly.count(path))
            return false;
        Put(path, name, value);
        return true;
    }
};

} // namespace fakes
