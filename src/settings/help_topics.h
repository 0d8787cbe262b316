// The help topics: the numbers the windows ask for and the places of the
// user's guide they open. The guide ships beside the program twice, as the
// help file (blinkery.hlp, whose context map carries the numbers) and as web
// pages in the folder "guide"; a topic's name is its section keyword in the
// guide, which is also its context string in the help file and the name of
// its page.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace help {

struct Topic {
    int32_t Number;
    const char* Name;
};

// The contents: the popup's "&Help", the dialog's "I&ndex", and any number
// the guide has no topic for.
inline constexpr int32_t ContentsTopic = 10;

// Every numbered topic.
std::span<const Topic> Topics();

// The name of a topic number.
const char* TopicName(int32_t number);

// The web page of a topic beside the help file: "C:\B\blinkery.hlp" and 50
// give "C:\B\guide\detection.html"; the contents is "guide\index.html".
std::string GuidePage(const std::string& helpFile, int32_t number);

// The one box shown when neither the help file nor the web pages open.
std::string NotFoundText(const std::string& helpFile);

} // namespace help
