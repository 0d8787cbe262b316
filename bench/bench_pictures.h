// What the display benchmarks share besides: the pixel art read from the
// source tree as the resource generator reads it, the program's bitmap
// resources served from memory and Windows 98's standard window metrics.
#pragma once

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "bench_doubles.h"
#include "display/picture_library.h"
#include "platform/bitmap_resources.h"
#include "platform/files.h"
#include "platform/system_metrics.h"

namespace bench {

class SourceFiles final : public platform::FileStore {
public:
    bool ReadAll(const std::string& path, std::string& data) override
    {
        std::ifstream in(path, std::ios::binary);
        if (!in)
            return false;
        std::ostringstream text;
        text << in.rdbuf();
        data = text.str();
        return true;
    }
    bool WriteAll(const std::string&, const std::string&) override { return false; }
};

inline const display::PictureLibrary& Pictures()
{
    static const display::PictureLibrary library = [] {
        SourceFiles files;
        display::PictureLibrary loaded;
        if (!loaded.Load(files, BLINKERY_RESOURCES))
            throw std::runtime_error(loaded.Error());
        return loaded;
    }();
    return library;
}

class Resources final : public platform::BitmapResources {
public:
    bool LoadBitmap(std::string_view name, int32_t& width, int32_t& height, std::vector<uint32_t>& pixels) override
    {
        const display::Picture* picture = Pictures().Find(name);
        if (!picture)
            return false;
        width = picture->Image.Width;
        height = picture->Image.Height;
        pixels.assign(picture->Image.Pixels.begin(), picture->Image.Pixels.end());
        return true;
    }
};

class Metrics final : public platform::SystemMetrics {
public:
    int32_t Get(platform::Metric metric) override
    {
        switch (metric) {
        case platform::Metric::CxMin: return 112;
        case platform::Metric::CySize:
        case platform::Metric::CxSize: return 18;
        case platform::Metric::CyCaption: return 19;
        case platform::Metric::CxFrame:
        case platform::Metric::CyFrame: return 4;
        case platform::Metric::CxBorder:
        case platform::Metric::CyBorder: return 1;
        default: return 3;
        }
    }
};

} // namespace bench
