// The lamp display on the shipped pictures, with a recording main window.
#pragma once

#include <gtest/gtest.h>

#include "lamp_display_doubles.h"

namespace rig {

// Settings at their defaults, port 2 chosen, no port settings readable.
class LampDisplayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g = TGVar{};
        g.Port = 2;
        g.NewOrientation = 3;
        g.LampLook = 1;
        g.BackgroundColor = 0xC0C0C0;
        g.TextColor = 0x000000;
        g.LightColorOn = 0x0000FF;
        g.LightColorOff = 0x828282;
        g.RDTDSpeedUpdate = 5;
        g.ReloadPictures = g.ReloadTitlePictures = g.DisplayResized = g.RepaintRequested = true;
        parts.Owner = &window;
    }

    TGVar& g = Settings;
    ShippedBitmaps bitmaps;
    Metrics metrics;
    fakes::Clock clock;
    fakes::HelperVxd vxd;
    fakes::SerialPorts ports;
    Window window;
    Parts parts;
    display::TLampDisplay display{g, {bitmaps, metrics, clock, vxd, ports}, window, parts.Bundle};
};

} // namespace rig
