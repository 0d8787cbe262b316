// The context map written into a help file made by Halibut (the test runs
// Halibut, as the build does; it is skipped where Halibut is missing).
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

#include "hlp_context_map.h"

namespace {

namespace fs = std::filesystem;

class HelpFileTest : public testing::Test {
protected:
    void SetUp() override
    {
        if (std::system("halibut --version >/dev/null 2>&1") != 0)
            GTEST_SKIP() << "halibut is not installed";
        dir_ = fs::temp_directory_path() / ("hlpmap-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        std::ofstream((dir_ / "t.but").string()) << "\\title T\n\nFront.\n\n"
                                                    "\\C{one} One\n\n\\cfg{winhelp-topic}{one}\n\nFirst.\n\n"
                                                    "\\H{two} Two\n\n\\cfg{winhelp-topic}{page.two_2}\n\nSecond.\n";
        const std::string command = "cd '" + dir_.string() + "' && halibut --winhelp=t.hlp t.but";
        ASSERT_EQ(std::system(command.c_str()), 0);
        std::ifstream in((dir_ / "t.hlp").string(), std::ios::binary);
        file_.assign(std::istreambuf_iterator<char>(in), {});
        ASSERT_GT(file_.size(), 16u);
    }
    void TearDown() override
    {
        if (!dir_.empty())
            fs::remove_all(dir_);
    }

    fs::path dir_;
    std::vector<uint8_t> file_;
};

TEST_F(HelpFileTest, NumbersReachTheNamedTopics)
{
    const auto top = hlp::FindContext(file_, "Top"), one = hlp::FindContext(file_, "one"),
               two = hlp::FindContext(file_, "page.two_2");
    ASSERT_TRUE(top && one && two) << "Halibut's context names not found";
    EXPECT_TRUE(*top != *one && *one != *two);
    EXPECT_EQ(hlp::ReadContextMap(file_)->size(), 0u);

    std::string error;
    ASSERT_TRUE(hlp::SetContextMap(file_, {{180, "page.two_2"}, {10, "Top"}, {20, "one"}}, error)) << error;
    const std::vector<std::pair<int32_t, uint32_t>> expected = {{10, *top}, {20, *one}, {180, *two}};
    EXPECT_EQ(hlp::ReadContextMap(file_), expected);
    EXPECT_EQ(hlp::FindContext(file_, "one"), one) << "the names still resolve";
    const uint32_t size = file_[12] | file_[13] << 8 | file_[14] << 16 | uint32_t(file_[15]) << 24;
    EXPECT_EQ(size, file_.size()) << "the header's file size";
}

TEST_F(HelpFileTest, RefusesWhatItCannotMap)
{
    const std::vector<uint8_t> original = file_;
    std::string error;
    EXPECT_FALSE(hlp::SetContextMap(file_, {{10, "Top"}, {50, "missing"}}, error));
    EXPECT_NE(error.find("missing"), std::string::npos) << error;
    EXPECT_FALSE(hlp::SetContextMap(file_, {{60, "not-a-name"}}, error));
    EXPECT_EQ(file_, original);

    std::vector<uint8_t> text(200, 'x');
    EXPECT_FALSE(hlp::SetContextMap(text, {{10, "Top"}}, error));
    std::vector<uint8_t> cut(file_.begin(), file_.begin() + 40);
    EXPECT_FALSE(hlp::SetContextMap(cut, {{10, "Top"}}, error));
}

} // namespace
