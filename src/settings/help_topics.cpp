#include "settings/help_topics.h"

#include <array>
#include <string_view>

#include "settings/paths.h"

namespace help {

namespace {

// The help file's title page is "Top"; as a web page it is the index.
constexpr std::string_view ContentsName = "Top";

constexpr std::array<Topic, 21> TopicTable = {{
    {ContentsTopic, "Top"},
    {20, "intro"},
    {45, "start"},
    {50, "detection"},
    {60, "startup"},
    {70, "window"},
    {80, "display"},
    {90, "titlebar"},
    {100, "throughput"},
    {110, "layout"},
    {120, "sounds"},
    {130, "loggings"},
    {140, "inactivity"},
    {150, "disconnect"},
    {160, "launch"},
    {170, "reset"},
    {180, "ras"},
    {190, "keyboard"},
    {200, "information"},
    {210, "misc"},
    {220, "about"},
}};

std::string FolderOf(const std::string& path)
{
    const std::string name = FileNamePart(path);
    return path.substr(0, path.size() - name.size());
}

} // namespace

std::span<const Topic> Topics() { return TopicTable; }

const char* TopicName(int32_t number)
{
    for (const Topic& topic : TopicTable)
        if (topic.Number == number)
            return topic.Name;
    return TopicTable.front().Name;
}

std::string GuidePage(const std::string& helpFile, int32_t number)
{
    const std::string_view name = TopicName(number);
    return FolderOf(helpFile) + "guide\\" + (name == ContentsName ? std::string("index") : std::string(name)) +
           ".html";
}

std::string NotFoundText(const std::string& helpFile)
{
    return "The help could not be opened.\r\rBlinkery's guide belongs beside the program: the help file " +
           helpFile + " and the same guide as web pages, " + GuidePage(helpFile, ContentsTopic) + ".";
}

} // namespace help
