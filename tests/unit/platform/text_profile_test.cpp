#include "contract/profile_contract.h"
#include "fakes/fake_platform.h"
#include "platform/text_profile.h"

namespace {

class MemoryHarness : public ProfileHarness {
public:
    platform::ProfileFile& Profile() override { return profile; }
    void SetRaw(const std::string& bytes) override { files.Files[path] = bytes; }
    std::string Raw() override { return files.Files.count(path) ? files.Files[path] : ""; }
    void MakeReadOnly() override { files.ReadOnly.insert(path); }

    fakes::MemoryFiles files;
    std::string path = "C:\\WINDOWS\\BLINKERY.INI";
    platform::TextProfile profile{files, path};
};

INSTANTIATE_TEST_SUITE_P(TextProfile, ProfileContract,
                         ::testing::Values(ProfileHarnessFactory([] { return std::make_unique<MemoryHarness>(); })),
                         [](const auto&) { return std::string("Memory"); });

TEST(TextProfile, WritingTheSameValueLeavesTheFileAlone)
{
    MemoryHarness h;
    h.SetRaw("[s]\r\n\r\nk=1\r\n");
    EXPECT_TRUE(h.profile.WriteString("s", "k", "1"));
    EXPECT_EQ(h.files.Writes, 0);
}

TEST(TextProfile, EditsKeepOtherLinesByteForByte)
{
    MemoryHarness h;
    h.SetRaw("[s]\n; keep me\n\nk = 1\n\n[t]\nlast=x");
    EXPECT_TRUE(h.profile.WriteString("s", "k", "2"));
    EXPECT_TRUE(h.profile.WriteString("t", "new", "y"));
    EXPECT_EQ(h.Raw(), "[s]\n; keep me\n\nk=2\n\n[t]\nlast=x\r\nnew=y\r\n");
}

TEST(TextProfile, BrokenSectionHeaderIsAnOrdinaryLine)
{
    MemoryHarness h;
    h.SetRaw("[s]\r\n[broken\r\nk=1\r\n");
    EXPECT_EQ(h.profile.ReadString("s", "k", "d"), "1");
    EXPECT_EQ(h.profile.ReadString("broken", "k", "d"), "d");
}

} // namespace
