#include <gtest/gtest.h>

#include <set>
#include <string>

#include "settings/help_topics.h"
#include "app/main_menu.h"
#include "setup/setup_dialog_model.h"

namespace {

TEST(HelpTopics, EverySettingsPageOpensATopicOfItsOwn)
{
    std::set<std::string> names;
    for (const auto& page : setup::Pages()) {
        const std::string name = help::TopicName(page.HelpTopic);
        EXPECT_NE(name, help::TopicName(help::ContentsTopic)) << page.Node << " opens the contents";
        EXPECT_TRUE(names.insert(name).second) << page.Node << " shares its topic " << name;
    }
    EXPECT_EQ(std::string(help::TopicName(MainWindowHelpTopic)), help::TopicName(help::ContentsTopic));
}

TEST(HelpTopics, WebPageBesideTheHelpFile)
{
    const std::string file = "C:\\BLINKERY\\blinkery.hlp";
    EXPECT_EQ(help::GuidePage(file, 50), "C:\\BLINKERY\\guide\\detection.html");
    EXPECT_EQ(help::GuidePage(file, help::ContentsTopic), "C:\\BLINKERY\\guide\\index.html");
    EXPECT_EQ(help::GuidePage(file, 999), "C:\\BLINKERY\\guide\\index.html");  // no such topic
    EXPECT_EQ(help::GuidePage("blinkery.hlp", 20), "guide\\intro.html");
    const std::string box = help::NotFoundText(file);
    EXPECT_NE(box.find(file), std::string::npos) << box;
    EXPECT_NE(box.find("C:\\BLINKERY\\guide\\index.html"), std::string::npos) << box;
}

} // namespace
