// helpmap: gives the help file that Halibut made from the user's guide the
// topic numbers Blinkery asks WinHelp for (HELP_CONTEXT), from the program's
// own table of topics. Fails, and so fails the build, when a numbered topic
// is missing from the guide.
//
//     helpmap <in.hlp> <out.hlp>
#include <cstdio>
#include <vector>

#include "settings/help_topics.h"
#include "hlp_context_map.h"

namespace {

bool ReadFile(const char* path, std::vector<uint8_t>& data)
{
    std::FILE* file = std::fopen(path, "rb");
    if (!file)
        return false;
    uint8_t buffer[65536];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0)
        data.insert(data.end(), buffer, buffer + got);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

bool WriteFile(const char* path, const std::vector<uint8_t>& data)
{
    std::FILE* file = std::fopen(path, "wb");
    if (!file)
        return false;
    const bool ok = std::fwrite(data.data(), 1, data.size(), file) == data.size();
    return std::fclose(file) == 0 && ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: helpmap <in.hlp> <out.hlp>\n");
        return 2;
    }
    std::vector<uint8_t> file;
    if (!ReadFile(argv[1], file)) {
        std::fprintf(stderr, "helpmap: cannot read %s\n", argv[1]);
        return 1;
    }
    std::vector<std::pair<int32_t, std::string>> map;
    for (const help::Topic& topic : help::Topics())
        map.emplace_back(topic.Number, topic.Name);
    std::string error;
    if (!hlp::SetContextMap(file, map, error)) {
        std::fprintf(stderr, "helpmap: %s: %s\n", argv[1], error.c_str());
        return 1;
    }
    if (!WriteFile(argv[2], file)) {
        std::fprintf(stderr, "helpmap: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
