// Test doubles of the platform interfaces the settings code uses.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/files.h"
#include "platform/fonts.h"
#include "platform/helper_vxd.h"
#include "platform/message_box.h"
#include "platform/serial.h"
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
};

class FontFactory : public platform::FontFactory {
public:
    int32_t Dpi = 96;
    std::vector<platform::FontParams> Created;
    std::vector<platform::FontHandle> Deleted;

    platform::FontHandle Create(const platform::FontParams& params) override
    {
        Created.push_back(params);
        return Created.size();
    }
    void Delete(platform::FontHandle font) override { Deleted.push_back(font); }
    int32_t LogPixelsY() override { return Dpi; }
};

class HelperVxd : public platform::HelperVxd {
public:
    bool Opened = false;
    std::map<uint32_t, platform::VxdReply> Replies;
    std::string HookedPort; // copied into the reply buffer of request 6
    std::vector<uint32_t> Requests;

    bool Open(const std::string&) override { return Opened = true; }
    void Close() override { Opened = false; }
    bool IsOpen() const override { return Opened; }
    platform::VxdReply Request(uint32_t code, const void*, uint32_t, void* out, uint32_t outSize) override
    {
        Requests.push_back(code);
        if (code == 6 && out) {
            size_t n = std::min<size_t>(HookedPort.size(), outSize);
            HookedPort.copy(static_cast<char*>(out), n);
            return {true, static_cast<uint32_t>(n), 0};
        }
        auto it = Replies.find(code);
        return it == Replies.end() ? platform::VxdReply{} : it->second;
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

} // namespace fakes
