// Test doubles of the event sounds and the event logs.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/log_files.h"
#include "platform/sound.h"

namespace fakes {

// Records every sound in order: a wave file by its path, a beep as "beep".
class EventSound : public platform::EventSound {
public:
    std::vector<std::string> Played;
    int Beeps = 0;

    void PlayFile(const std::string& path) override { Played.push_back(path); }
    void Beep() override
    {
        ++Beeps;
        Played.push_back("beep");
    }
};

// Log files held in memory. Append creates a missing file and otherwise only
// adds to the end, as the real one does; a path in Failing fails every write.
class LogFiles : public platform::LogFiles {
public:
    std::map<std::string, std::string> Files;
    std::set<std::string> Failing;
    int Reads = 0;
    int Appends = 0;

    bool ReadTail(const std::string& path, size_t maxBytes, std::string& data) override
    {
        ++Reads;
        auto it = Files.find(path);
        if (it == Files.end())
            return false;
        data = it->second.substr(it->second.size() - std::min(it->second.size(), maxBytes));
        return true;
    }
    bool Append(const std::string& path, const std::string& text) override
    {
        ++Appends;
        if (Failing.count(path))
            return false;
        Files[path] += text;
        return true;
    }
};

} // namespace fakes
