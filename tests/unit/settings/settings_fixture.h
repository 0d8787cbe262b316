// A settings record with fake platform services and an in-memory
// BLINKERY.INI behind the portable profile.
#pragma once

#include <gtest/gtest.h>

#include "settings/settings_file.h"
#include "fakes/fake_platform.h"
#include "platform/text_profile.h"

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override { Settings = TGVar{}; }

    void SetIni(const std::string& text) { files.Files[path] = text; }
    std::string Ini() { return files.Files[path]; }
    std::string Value(const std::string& section, const std::string& key)
    {
        return profile.ReadString(section, key, "<missing>");
    }
    void Read(int32_t port)
    {
        g.Port = port;
        ReadSettings(g, ctx);
    }

    TGVar& g = Settings;
    const std::string path = "C:\\WINDOWS\\BLINKERY.INI";
    fakes::MemoryFiles files;
    platform::TextProfile profile{files, path};
    fakes::SystemInfo system;
    fakes::Clock clock;
    fakes::FontFactory fonts;
    fakes::MessageBoxes boxes;
    SettingsContext ctx{profile, system, clock, fonts};
};
