// What only the file-backed store does: folders, permissions, atomic
// replacement, failures, the cache and the choice of the settings folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "TempFolder.h"
#include "platform/profile/FileProfile.h"

namespace sonnavet {
namespace {

using test::ListFolder;
using test::PermissionBits;
using test::ReadFile;
using test::TempFolder;
using test::WriteFile;

const std::string kFile = "zelk.ini";
const std::string kOld = "[zelk]\ntempo=90\n; keep me\n";

TEST(FileProfile, CreatesMissingFoldersPrivatelyAndTheFileAs0600)
{
    const TempFolder temp;
    const std::string folder = temp / "config/sonnavet";
    FileProfile profile(folder);
    EXPECT_EQ(profile.GetPrivateProfileInt("zelk", "tempo", 120, kFile), 120);
    struct stat st {};
    EXPECT_NE(::stat(folder.c_str(), &st), 0) << "reading must not create the folder";

    const mode_t oldMask = ::umask(022);
    const bool written = profile.WritePrivateProfileString("zelk", "tempo", "120", kFile);
    ::umask(oldMask);
    ASSERT_TRUE(written);
    EXPECT_EQ(ReadFile(folder + "/" + kFile), "[zelk]\ntempo=120\n");
    EXPECT_EQ(PermissionBits(temp / "config"), 0700u);
    EXPECT_EQ(PermissionBits(folder), 0700u);
    EXPECT_EQ(PermissionBits(folder + "/" + kFile), 0600u);
    EXPECT_EQ(ListFolder(folder), std::vector<std::string>{kFile});
}

TEST(FileProfile, ReplacementKeepsThePermissionBitsAndLeavesNoTemporaryFile)
{
    const TempFolder temp;
    WriteFile(temp / kFile, kOld);
    ASSERT_EQ(::chmod((temp / kFile).c_str(), 0640), 0);
    FileProfile profile(temp.Path());
    ASSERT_TRUE(profile.WritePrivateProfileString("zelk", "tempo", "120", kFile));
    EXPECT_EQ(ReadFile(temp / kFile), "[zelk]\ntempo=120\n; keep me\n");
    EXPECT_EQ(PermissionBits(temp / kFile), 0640u);
    EXPECT_EQ(ListFolder(temp.Path()), std::vector<std::string>{kFile});
}

// A writer that puts part of the text into the temporary file and then reports
// failure, as a full disk would.
bool HalfWriter(int fd, std::string_view data)
{
    FileProfile::WriteAll(fd, data.substr(0, data.size() / 2));
    return false;
}

TEST(FileProfile, FailedWriteLeavesTheOldFileIntact)
{
    const TempFolder temp;
    WriteFile(temp / kFile, kOld);
    FileProfile profile(temp.Path(), HalfWriter);
    EXPECT_EQ(profile.GetPrivateProfileInt("zelk", "tempo", 0, kFile), 90);
    EXPECT_FALSE(profile.WritePrivateProfileString("zelk", "tempo", "120", kFile));
    EXPECT_FALSE(profile.WritePrivateProfileString("zelk", "volume", "100", kFile));
    EXPECT_EQ(ReadFile(temp / kFile), kOld);
    EXPECT_EQ(ListFolder(temp.Path()), std::vector<std::string>{kFile});
    // The failed edit is forgotten: reads show what is on disk.
    EXPECT_EQ(profile.GetPrivateProfileInt("zelk", "tempo", 0, kFile), 90);
    EXPECT_EQ(profile.GetPrivateProfileInt("zelk", "volume", 7, kFile), 7);
}

TEST(FileProfile, FailedFirstWriteCreatesNoFile)
{
    const TempFolder temp;
    FileProfile profile(temp.Path(), HalfWriter);
    EXPECT_FALSE(profile.WritePrivateProfileString("zelk", "tempo", "120", kFile));
    EXPECT_TRUE(ListFolder(temp.Path()).empty());
}

TEST(FileProfile, FolderThatIsARegularFileFailsCleanly)
{
    const TempFolder temp;
    WriteFile(temp / "notafolder", "data");
    FileProfile profile(temp / "notafolder");
    EXPECT_EQ(profile.GetPrivateProfileInt("zelk", "tempo", 120, kFile), 120);
    EXPECT_FALSE(profile.WritePrivateProfileString("zelk", "tempo", "1", kFile));
    FileProfile nested(temp / "notafolder/deeper");
    EXPECT_FALSE(nested.WritePrivateProfileString("zelk", "tempo", "1", kFile));
    EXPECT_EQ(ReadFile(temp / "notafolder"), "data");
}

TEST(FileProfile, SettingsFileThatIsNotARegularFileIsNeverReplaced)
{
    const TempFolder temp;
    ASSERT_EQ(::mkdir((temp / kFile).c_str(), 0700), 0);
    ASSERT_EQ(::mkfifo((temp / "fifo.ini").c_str(), 0600), 0);
    FileProfile profile(temp.Path());
    for (const std::string& name : {kFile, std::string("fifo.ini")}) {
        // A FIFO must not block the read.
        EXPECT_EQ(profile.GetPrivateProfileInt("zelk", "tempo", 120, name), 120) << name;
        EXPECT_FALSE(profile.WritePrivateProfileString("zelk", "tempo", "1", name)) << name;
    }
    EXPECT_EQ(ListFolder(temp.Path()), (std::vector<std::string>{"fifo.ini", kFile}));
}

TEST(FileProfile, UnwritableFolderLeavesTheOldFileIntact)
{
    if (::geteuid() == 0) GTEST_SKIP() << "running as root: folder permissions do not stop writes";
    const TempFolder temp;
    WriteFile(temp / kFile, kOld);
    ASSERT_EQ(::chmod(temp.Path().c_str(), 0500), 0);
    FileProfile profile(temp.Path());
    EXPECT_FALSE(profile.WritePrivateProfileString("zelk", "tempo", "120", kFile));
    EXPECT_EQ(ReadFile(temp / kFile), kOld);
    EXPECT_EQ(profile.GetPrivateProfileInt("zelk", "tempo", 0, kFile), 90);
}

TEST(FileProfile, UnreadableFileGivesDefaultsAndIsNotOverwritten)
{
    if (::geteuid() == 0) GTEST_SKIP() << "running as root: file permissions do not stop reads";
    const TempFolder temp;
    WriteFile(temp / kFile, kOld);
    ASSERT_EQ(::chmod((temp / kFile).c_str(), 0200), 0);
    FileProfile profile(temp.Path());
    EXPECT_EQ(profile.GetPrivateProfileInt("zelk", "tempo", 120, kFile), 120);
    EXPECT_FALSE(profile.WritePrivateProfileString("zelk", "tempo", "1", kFile));
    ASSERT_EQ(::chmod((temp / kFile).c_str(), 0600), 0);
    EXPECT_EQ(ReadFile(temp / kFile), kOld);
}

TEST(FileProfile, ParsedFileIsCachedUntilTheFileChanges)
{
    const TempFolder temp;
    std::string big;
    for (int i = 0; i < 100000; ++i) big += "[s" + std::to_string(i) + "]\nk=v\n";
    WriteFile(temp / kFile, big + "[zelk]\ntempo=90\n");
    FileProfile profile(temp.Path());
    for (int i = 0; i < 17; ++i) EXPECT_EQ(profile.GetPrivateProfileInt("zelk", "tempo", 0, kFile), 90);
    EXPECT_EQ(profile.ReadCount(), 1u);

    // Our own writes keep the cache valid.
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(profile.WritePrivateProfileString("zelk", "tempo", std::to_string(100 + i), kFile));
    }
    EXPECT_EQ(profile.GetPrivateProfileInt("zelk", "tempo", 0, kFile), 104);
    EXPECT_EQ(profile.ReadCount(), 1u);

    // Another program's change is seen.
    WriteFile(temp / kFile, "[zelk]\ntempo=7\n");
    EXPECT_EQ(profile.GetPrivateProfileInt("zelk", "tempo", 0, kFile), 7);
    EXPECT_EQ(profile.ReadCount(), 2u);
    ::unlink((temp / kFile).c_str());
    EXPECT_EQ(profile.GetPrivateProfileInt("zelk", "tempo", 0, kFile), 0);
}

TEST(FileProfile, SymlinkIsReadThroughAndReplacedByAFile)
{
    const TempFolder temp;
    WriteFile(temp / "target.ini", kOld);
    ASSERT_EQ(::symlink("target.ini", (temp / kFile).c_str()), 0);
    FileProfile profile(temp.Path());
    EXPECT_EQ(profile.GetPrivateProfileInt("zelk", "tempo", 0, kFile), 90);
    ASSERT_TRUE(profile.WritePrivateProfileString("zelk", "tempo", "120", kFile));
    struct stat st {};
    ASSERT_EQ(::lstat((temp / kFile).c_str(), &st), 0);
    EXPECT_TRUE(S_ISREG(st.st_mode));
    EXPECT_EQ(ReadFile(temp / kFile), "[zelk]\ntempo=120\n; keep me\n");
    EXPECT_EQ(ReadFile(temp / "target.ini"), kOld);
}

TEST(FileProfile, EmptyFolderReadsDefaultsAndRefusesWrites)
{
    FileProfile profile("");
    EXPECT_EQ(profile.GetPrivateProfileInt("zelk", "tempo", 120, kFile), 120);
    EXPECT_FALSE(profile.WritePrivateProfileString("zelk", "tempo", "1", kFile));
}

TEST(SettingsFolder, ChoiceFromTheEnvironment)
{
    const struct {
        const char* xdg;
        const char* home;
        const char* passwd;
        const char* expected;
    } cases[] = {
        {"/x/conf", "/home/u", "/pw", "/x/conf/sonnavet"},
        {"/x/conf/", "/home/u", "/pw", "/x/conf/sonnavet"},
        {"", "/home/u", "/pw", "/home/u/.config/sonnavet"},
        {"relative/conf", "/home/u", "/pw", "/home/u/.config/sonnavet"},
        {nullptr, "/home/u/", "/pw", "/home/u/.config/sonnavet"},
        {nullptr, nullptr, "/pw", "/pw/.config/sonnavet"},
        {nullptr, "", "/pw", "/pw/.config/sonnavet"},
        {nullptr, "relative", "/pw", "/pw/.config/sonnavet"},
        {nullptr, "/", "/pw", "/.config/sonnavet"},
        {nullptr, nullptr, "", ""},
        {"", nullptr, "relative", ""},
    };
    for (const auto& c : cases) {
        int passwdAsked = 0;
        const std::string folder = ChooseSettingsFolder(c.xdg, c.home, [&] {
            ++passwdAsked;
            return std::string(c.passwd);
        });
        const std::string label = std::string(c.xdg ? c.xdg : "(unset)") + " | " + (c.home ? c.home : "(unset)");
        EXPECT_EQ(folder, c.expected) << label;
        const bool homeUsable = (c.xdg && c.xdg[0] == '/') || (c.home && c.home[0] == '/');
        EXPECT_EQ(passwdAsked, homeUsable ? 0 : 1) << label;
    }
}

// Sets or unsets an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name)
    {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~ScopedEnv()
    {
        if (old_) {
            ::setenv(name_, old_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(SettingsFolder, DefaultFolderReadsTheRealEnvironment)
{
    {
        const ScopedEnv xdg("XDG_CONFIG_HOME", "/somewhere/conf");
        EXPECT_EQ(DefaultSettingsFolder(), "/somewhere/conf/sonnavet");
    }
    {
        const ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
        const ScopedEnv home("HOME", "/home/someone");
        EXPECT_EQ(DefaultSettingsFolder(), "/home/someone/.config/sonnavet");
    }
    {
        const ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
        const ScopedEnv home("HOME", nullptr);
        const std::string folder = DefaultSettingsFolder();  // from the password database
        EXPECT_TRUE(folder.empty() || (folder.front() == '/' && folder.ends_with("/.config/sonnavet"))) << folder;
    }
}

}  // namespace
}  // namespace sonnavet
