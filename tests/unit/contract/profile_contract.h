// The behaviour Blinkery relies on from a profile file, run against the
// portable implementation natively and against the system's profile
// functions under Wine. Include once per test binary, then instantiate
// ProfileContract with a factory of harnesses.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/profile.h"

// One fresh, absent profile file and raw access to its bytes.
class ProfileHarness {
public:
    virtual ~ProfileHarness() = default;
    virtual platform::ProfileFile& Profile() = 0;
    virtual void SetRaw(const std::string& bytes) = 0;
    virtual std::string Raw() = 0; // "" when the file does not exist
    virtual void MakeReadOnly() = 0;
};

using ProfileHarnessFactory = std::function<std::unique_ptr<ProfileHarness>()>;

class ProfileContract : public ::testing::TestWithParam<ProfileHarnessFactory> {
protected:
    void SetUp() override { h = GetParam()(); }
    platform::ProfileFile& P() { return h->Profile(); }
    std::string Read(const char* section, const char* key, const char* def = "default")
    {
        return P().ReadString(section, key, def);
    }
    std::unique_ptr<ProfileHarness> h;
};

inline const char* FileA(bool crOnly)
{
    return crOnly ? "[section1]\rname1=val1\rname2=\"val2\"\rname3\rname4=a\r[section2]\r"
                  : "[section1]\r\nname1=val1\r\nname2=\"val2\"\r\nname3\r\nname4=a\r\n[section2]\r\n";
}

TEST_P(ProfileContract, ReadsFileAWithEitherLineEnding)
{
    for (bool crOnly : {false, true}) {
        SCOPED_TRACE(crOnly ? "CR" : "CR LF");
        h->SetRaw(FileA(crOnly));
        EXPECT_EQ(Read("section1", "name1"), "val1");
        EXPECT_EQ(Read("section1", "NaMe1"), "val1");
        EXPECT_EQ(Read("SECTION1", "name1"), "val1");
        EXPECT_EQ(Read("section1", "name2"), "val2");
        EXPECT_EQ(Read("section1", "name3"), "default"); // a key without '='
        EXPECT_EQ(Read("section1", "name4"), "a");
        EXPECT_EQ(Read("notasection", "name1"), "default");
        EXPECT_EQ(Read("section1", "notakey"), "default");
        EXPECT_EQ(Read("section2", "DoesntExist", ""), "");
        EXPECT_EQ(Read("section1", "notakey", "one two  "), "one two");
    }
}

TEST_P(ProfileContract, MissingFileGivesTheDefault)
{
    EXPECT_EQ(Read("Lampwatcher: Main", "Default Port"), "default");
    EXPECT_EQ(Read("Lampwatcher: Main", "Default Port", ""), "");
}

TEST_P(ProfileContract, LineShapes)
{
    h->SetRaw("; comment=1\r\n"
              "[ Lampwatcher on COM2 ]\r\n"
              "  spaced key  =  x\ty  \r\n"
              "eq=a=b\r\n"
              "empty=\r\n"
              "dup=first\r\n"
              "dup=second\r\n"
              ";commented=1\r\n"
              "quoted='single'\r\n"
              "halfquoted=\"abc'\r\n"
              "[Lampwatcher on COM2]\r\n"
              "other=second section\r\n");
    const char* s = "Lampwatcher on COM2";
    EXPECT_EQ(Read(s, "spaced key"), "x\ty");
    EXPECT_EQ(Read(s, "eq"), "a=b");
    EXPECT_EQ(Read(s, "empty"), "");
    EXPECT_EQ(Read(s, "dup"), "first");
    EXPECT_EQ(Read(s, "commented"), "default");
    EXPECT_EQ(Read(s, "quoted"), "single");
    EXPECT_EQ(Read(s, "halfquoted"), "\"abc'");
    EXPECT_EQ(Read(s, "other"), "default"); // only the first section counts
}

TEST_P(ProfileContract, LongValuesAreCutAt2047Characters)
{
    h->SetRaw("[s]\r\nlong=" + std::string(3000, 'x') + "\r\n");
    EXPECT_EQ(Read("s", "long"), std::string(2047, 'x'));
}

TEST_P(ProfileContract, WritesNewSectionsAndKeysInOrder)
{
    ASSERT_TRUE(P().WriteString("App1", "key1", "string1"));
    ASSERT_TRUE(P().WriteString("App1", "key2", "string2"));
    ASSERT_TRUE(P().WriteString("App2", "key4", "string4"));
    ASSERT_TRUE(P().WriteString("App1", "key3", "string3"));
    ASSERT_TRUE(P().WriteString("App3", "key5", "string5"));
    EXPECT_EQ(h->Raw(), "[App1]\r\nkey1=string1\r\nkey2=string2\r\nkey3=string3\r\n"
                        "[App2]\r\nkey4=string4\r\n[App3]\r\nkey5=string5\r\n");
}

TEST_P(ProfileContract, WritesAnEmptyValue)
{
    ASSERT_TRUE(P().WriteString("App", "key", ""));
    EXPECT_EQ(h->Raw(), "[App]\r\nkey=\r\n");
    EXPECT_EQ(Read("App", "key"), "");
}

TEST_P(ProfileContract, UpdatesInPlaceKeepingTheFilesSpelling)
{
    h->SetRaw("[Lampwatcher on COM1]\r\nAuto Run CD High=1\r\nAuto Run CD Low=1\r\n[Other]\r\nx=1\r\n");
    ASSERT_TRUE(P().WriteString("lampwatcher on com1", "Auto Run CD high", "0"));
    ASSERT_TRUE(P().WriteString("Lampwatcher on COM1", "New Key", "  lead"));
    EXPECT_EQ(h->Raw(), "[Lampwatcher on COM1]\r\nAuto Run CD High=0\r\nAuto Run CD Low=1\r\nNew Key=lead\r\n"
                        "[Other]\r\nx=1\r\n");
}

TEST_P(ProfileContract, RefusedWriteReportsFailureAndKeepsTheFile)
{
    const std::string before = "[s]\r\nk=1\r\n";
    h->SetRaw(before);
    h->MakeReadOnly();
    EXPECT_FALSE(P().WriteString("s", "k", "2"));
    EXPECT_FALSE(P().WriteString("s", "new", "2"));
    EXPECT_EQ(h->Raw(), before);
    EXPECT_EQ(Read("s", "k"), "1");
}
