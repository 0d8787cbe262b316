// The profile contract against the system's own profile functions.
#include <cstdio>
#include <string>

#include <windows.h>

#include "contract/profile_contract.h"
#include "win32/win32_profile.h"

namespace {

// Each harness uses a file name of its own in the Windows directory, so no
// cached copy of an earlier test's file can answer.
class Win32Harness : public ProfileHarness {
public:
    Win32Harness() : profile("BLKT" + std::to_string(++counter) + ".INI") { Remove(); }
    ~Win32Harness() override { Remove(); }

    platform::ProfileFile& Profile() override { return profile; }
    void SetRaw(const std::string& bytes) override
    {
        FILE* f = std::fopen(profile.Path().c_str(), "wb");
        ASSERT_NE(f, nullptr);
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    std::string Raw() override
    {
        std::string data;
        if (lock_ != INVALID_HANDLE_VALUE) {
            SetFilePointer(lock_, 0, nullptr, FILE_BEGIN);
            char buffer[4096];
            DWORD n = 0;
            while (ReadFile(lock_, buffer, sizeof buffer, &n, nullptr) && n > 0)
                data.append(buffer, n);
            return data;
        }
        if (FILE* f = std::fopen(profile.Path().c_str(), "rb")) {
            char buffer[4096];
            size_t n;
            while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0)
                data.append(buffer, n);
            std::fclose(f);
        }
        return data;
    }
    // Read-only, and held open for reading only: Wine runs as root here, and
    // root may write a read-only file, so the open handle is what makes the
    // system refuse the write, as a read-only file does for a user.
    void MakeReadOnly() override
    {
        SetFileAttributesA(profile.Path().c_str(), FILE_ATTRIBUTE_READONLY);
        lock_ = CreateFileA(profile.Path().c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    }

private:
    void Remove()
    {
        if (lock_ != INVALID_HANDLE_VALUE)
            CloseHandle(lock_);
        lock_ = INVALID_HANDLE_VALUE;
        SetFileAttributesA(profile.Path().c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(profile.Path().c_str());
    }
    static inline int counter = 0;
    HANDLE lock_ = INVALID_HANDLE_VALUE;
    win32::Win32Profile profile;
};

INSTANTIATE_TEST_SUITE_P(Win32Profile, ProfileContract,
                         ::testing::Values(ProfileHarnessFactory([] { return std::make_unique<Win32Harness>(); })),
                         [](const auto&) { return std::string("System"); });

TEST(Win32Profile, ABareNameLivesInTheWindowsDirectory)
{
    char dir[MAX_PATH];
    UINT n = GetWindowsDirectoryA(dir, sizeof dir);
    win32::Win32Profile profile("BLINKERY.INI");
    EXPECT_EQ(profile.Path(), std::string(dir, n) + "\\BLINKERY.INI");
}

} // namespace
