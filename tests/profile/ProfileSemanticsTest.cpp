// The private-profile functions as the program sees them, run over both the
// file-backed and the in-memory store: both must behave the same.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "TempFolder.h"
#include "platform/profile/FileProfile.h"
#include "platform/profile/MemoryProfile.h"

namespace sonnavet {
namespace {

// One store under test with access to the raw text of its files.
class Store {
public:
    virtual ~Store() = default;
    virtual Profile& Get() = 0;
    virtual std::optional<std::string> Text(const std::string& fileName) = 0;
    virtual void SetText(const std::string& fileName, const std::string& text) = 0;
};

class MemoryStore : public Store {
public:
    Profile& Get() override { return profile_; }
    std::optional<std::string> Text(const std::string& fileName) override { return profile_.Text(fileName); }
    void SetText(const std::string& fileName, const std::string& text) override { profile_.SetText(fileName, text); }

private:
    MemoryProfile profile_;
};

class FileStore : public Store {
public:
    Profile& Get() override { return profile_; }
    std::optional<std::string> Text(const std::string& fileName) override { return test::ReadFile(folder_ / fileName); }
    void SetText(const std::string& fileName, const std::string& text) override
    {
        test::WriteFile(folder_ / fileName, text);
    }

private:
    test::TempFolder folder_;
    FileProfile profile_{folder_.Path()};
};

struct StoreKind {
    const char* name;
    std::function<std::unique_ptr<Store>()> make;
};

void PrintTo(const StoreKind& kind, std::ostream* out)
{
    *out << kind.name;
}

class ProfileSemantics : public testing::TestWithParam<StoreKind> {
protected:
    void SetUp() override { store_ = GetParam().make(); }
    Profile& profile() { return store_->Get(); }
    std::unique_ptr<Store> store_;
};

const std::string kFile = "zelk.ini";

TEST_P(ProfileSemantics, MissingFileOrKeyGivesTheDefaults)
{
    EXPECT_EQ(profile().GetPrivateProfileInt("zelk", "tempo", 120, kFile), 120);
    EXPECT_EQ(profile().GetPrivateProfileString("zelk", "positions", "0", 1024, kFile), "0");
    store_->SetText(kFile, "[zelk]\nother=1\n[x]\ntempo=5\n");
    EXPECT_EQ(profile().GetPrivateProfileInt("zelk", "tempo", 120, kFile), 120);
    EXPECT_EQ(profile().GetPrivateProfileString("zelk", "positions", "0", 1024, kFile), "0");
    EXPECT_EQ(store_->Text(kFile), "[zelk]\nother=1\n[x]\ntempo=5\n");  // reading writes nothing
}

TEST_P(ProfileSemantics, IntegersReadFromTheValue)
{
    store_->SetText(kFile, "[zelk]\nmidiInstrument=-1\ntempo= 500 \nempty=\ntext=abc\nhuge=99999999999\nmix=12ab\n");
    EXPECT_EQ(profile().GetPrivateProfileInt("zelk", "midiInstrument", 26, kFile), -1);
    EXPECT_EQ(profile().GetPrivateProfileInt("ZELK", "TEMPO", 120, kFile), 500);
    EXPECT_EQ(profile().GetPrivateProfileInt("zelk", "empty", 7, kFile), 7);
    EXPECT_EQ(profile().GetPrivateProfileInt("zelk", "text", 7, kFile), 0);
    EXPECT_EQ(profile().GetPrivateProfileInt("zelk", "huge", 7, kFile), 2147483647);
    EXPECT_EQ(profile().GetPrivateProfileInt("zelk", "mix", 7, kFile), 12);
}

TEST_P(ProfileSemantics, StringsAreCutToTheBuffer)
{
    const std::string longList(3000, '1');
    store_->SetText(kFile, "[zelk]\npositions=" + longList + "\nbeats=\n");
    EXPECT_EQ(profile().GetPrivateProfileString("zelk", "positions", "0", 1024, kFile), longList.substr(0, 1023));
    EXPECT_EQ(profile().GetPrivateProfileString("zelk", "beats", "0", 1024, kFile), "");
    EXPECT_EQ(profile().GetPrivateProfileString("zelk", "missing", "abcdef", 4, kFile), "abc");
}

TEST_P(ProfileSemantics, FirstSaveCreatesTheFileWithKeysInWritingOrder)
{
    const char* keys[] = {"totalPracticeTime", "positions", "beats", "tempo", "midiInstrument"};
    const char* values[] = {"0", "0 2", "", "120", "-1"};
    for (int i = 0; i < 5; ++i) EXPECT_TRUE(profile().WritePrivateProfileString("zelk", keys[i], values[i], kFile));
    EXPECT_EQ(store_->Text(kFile), "[zelk]\ntotalPracticeTime=0\npositions=0 2\nbeats=\ntempo=120\nmidiInstrument=-1\n");
    EXPECT_EQ(profile().GetPrivateProfileInt("zelk", "midiInstrument", 26, kFile), -1);
    EXPECT_EQ(profile().GetPrivateProfileString("zelk", "beats", "0", 1024, kFile), "");
}

TEST_P(ProfileSemantics, SaveKeepsOtherSectionsUnknownKeysAndComments)
{
    const std::string before = "\xEF\xBB\xBF; my notes\r\n[window]\r\nx=5\r\n\r\n[Zelk]\r\nTempo=90\r\nmine=yes\r\n";
    store_->SetText(kFile, before);
    EXPECT_TRUE(profile().WritePrivateProfileString("zelk", "tempo", "120", kFile));
    EXPECT_TRUE(profile().WritePrivateProfileString("zelk", "volume", "100", kFile));
    EXPECT_EQ(store_->Text(kFile),
              "\xEF\xBB\xBF; my notes\r\n[window]\r\nx=5\r\n\r\n[Zelk]\r\nTempo=120\r\nmine=yes\r\nvolume=100\r\n");
}

TEST_P(ProfileSemantics, RefusedWritesChangeNothing)
{
    store_->SetText(kFile, "[zelk]\ntempo=120\n");
    EXPECT_FALSE(profile().WritePrivateProfileString("zelk", "tempo", "1\n[zelk]\ntempo=2", kFile));
    EXPECT_FALSE(profile().WritePrivateProfileString("zelk", "a=b", "1", kFile));
    EXPECT_EQ(store_->Text(kFile), "[zelk]\ntempo=120\n");
    EXPECT_EQ(profile().GetPrivateProfileInt("zelk", "tempo", 0, kFile), 120);
}

TEST_P(ProfileSemantics, FileNamesMustBeBare)
{
    for (const std::string name : {"../zelk.ini", "sub/zelk.ini", "/tmp/zelk.ini", "..", ".", ""}) {
        EXPECT_FALSE(profile().WritePrivateProfileString("zelk", "tempo", "1", name)) << name;
        EXPECT_EQ(profile().GetPrivateProfileInt("zelk", "tempo", 9, name), 9) << name;
        EXPECT_EQ(profile().GetPrivateProfileString("zelk", "tempo", "d", 10, name), "d") << name;
    }
    EXPECT_TRUE(profile().WritePrivateProfileString("zelk", "tempo", "1", ".zelk.ini"));
}

TEST_P(ProfileSemantics, FilesAreSeparate)
{
    EXPECT_TRUE(profile().WritePrivateProfileString("zelk", "tempo", "1", "a.ini"));
    EXPECT_TRUE(profile().WritePrivateProfileString("zelk", "tempo", "2", "b.ini"));
    EXPECT_EQ(profile().GetPrivateProfileInt("zelk", "tempo", 0, "a.ini"), 1);
    EXPECT_EQ(profile().GetPrivateProfileInt("zelk", "tempo", 0, "b.ini"), 2);
}

INSTANTIATE_TEST_SUITE_P(Stores, ProfileSemantics,
                         testing::Values(StoreKind{"Memory", [] { return std::make_unique<MemoryStore>(); }},
                                         StoreKind{"File", [] { return std::make_unique<FileStore>(); }}),
                         [](const testing::TestParamInfo<StoreKind>& info) { return std::string(info.param.name); });

TEST(MemoryProfile, CountsWritesAndCanFailThem)
{
    MemoryProfile profile;
    EXPECT_EQ(profile.Text(kFile), std::nullopt);
    EXPECT_TRUE(profile.WritePrivateProfileString("zelk", "tempo", "120", kFile));
    EXPECT_TRUE(profile.WritePrivateProfileString("zelk", "tempo", "120", kFile));
    EXPECT_FALSE(profile.WritePrivateProfileString("zelk", "", "1", kFile));
    EXPECT_EQ(profile.WriteCount(), 3u);
    EXPECT_EQ(profile.WriteCount(kFile), 3u);
    EXPECT_EQ(profile.WriteCount("other.ini"), 0u);

    profile.SetFailWrites(true);
    EXPECT_FALSE(profile.WritePrivateProfileString("zelk", "tempo", "90", kFile));
    EXPECT_FALSE(profile.WritePrivateProfileString("zelk", "volume", "90", kFile));
    EXPECT_EQ(profile.Text(kFile), "[zelk]\ntempo=120\n");
    EXPECT_EQ(profile.GetPrivateProfileInt("zelk", "tempo", 0, kFile), 120);
    EXPECT_EQ(profile.GetPrivateProfileInt("zelk", "volume", 7, kFile), 7);
    EXPECT_EQ(profile.WriteCount(), 5u);
}

TEST(MemoryProfile, UnreadableFileGivesDefaultsAndRefusesWrites)
{
    MemoryProfile profile;
    profile.SetText(kFile, "[zelk]\ntempo=90\n");
    profile.SetUnreadable(kFile, true);
    EXPECT_EQ(profile.GetPrivateProfileInt("zelk", "tempo", 120, kFile), 120);
    EXPECT_FALSE(profile.WritePrivateProfileString("zelk", "tempo", "1", kFile));
    profile.SetUnreadable(kFile, false);
    EXPECT_EQ(profile.GetPrivateProfileInt("zelk", "tempo", 120, kFile), 90);
    profile.Remove(kFile);
    EXPECT_EQ(profile.Text(kFile), std::nullopt);
    EXPECT_EQ(profile.GetPrivateProfileInt("zelk", "tempo", 120, kFile), 120);
}

}  // namespace
}  // namespace sonnavet
