#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/desktop/XdgShell.h"

namespace sonnavet {
namespace {

namespace fs = std::filesystem;

// A scratch folder that is the current directory while the test runs, with
// an "installed" data folder beside it.
class XdgShellTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root_ = fs::path(::testing::TempDir()) /
                ("sonnavet-shell-" + std::to_string(::getpid()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "work");
        fs::create_directories(root_ / "installed");
        fs::create_directories(root_ / "moved");
        previous_ = fs::current_path();
        fs::current_path(root_ / "work");
    }
    void TearDown() override
    {
        fs::current_path(previous_);
        fs::remove_all(root_);
    }

    void Touch(const fs::path& path)
    {
        fs::create_directories(path.parent_path());
        std::ofstream(path) << "<html></html>\n";
    }

    XdgShell MakeShell()
    {
        return XdgShell({(root_ / "installed").string(), (root_ / "moved").string()},
                        [this](const std::vector<std::string>& argv) {
                            spawned_.push_back(argv);
                            return true;
                        });
    }

    fs::path root_;
    fs::path previous_;
    std::vector<std::vector<std::string>> spawned_;
};

TEST_F(XdgShellTest, FindsTheHelpPageWhereItIs)
{
    struct Case {
        const char* name;
        bool inWorkingDirectory;
        bool installed;
        bool moved;
        const char* expected;  // relative to the scratch folder; "" = not found
    };
    const Case cases[] = {
        {"only beside the working directory", true, false, false, "work/Help/index.html"},
        {"working directory wins over the installed copy", true, true, true, "work/Help/index.html"},
        {"installed copy", false, true, false, "installed/Help/index.html"},
        {"installed copy wins over the relocated one", false, true, true, "installed/Help/index.html"},
        {"relocated install", false, false, true, "moved/Help/index.html"},
        {"nowhere", false, false, false, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(root_ / "work" / "Help");
        fs::remove_all(root_ / "installed" / "Help");
        fs::remove_all(root_ / "moved" / "Help");
        if (c.inWorkingDirectory) Touch(root_ / "work" / "Help" / "index.html");
        if (c.installed) Touch(root_ / "installed" / "Help" / "index.html");
        if (c.moved) Touch(root_ / "moved" / "Help" / "index.html");

        const XdgShell shell = MakeShell();
        const std::string want = *c.expected ? (root_ / c.expected).lexically_normal().string() : std::string();
        EXPECT_EQ(shell.FindDocument("index.html", "Help"), want);
    }
}

TEST_F(XdgShellTest, AFolderNamedLikeTheDocumentIsNotADocument)
{
    fs::create_directories(root_ / "work" / "Help" / "index.html");
    Touch(root_ / "installed" / "Help" / "index.html");
    EXPECT_EQ(MakeShell().FindDocument("index.html", "Help"),
              (root_ / "installed" / "Help" / "index.html").string());
}

TEST_F(XdgShellTest, OpensTheAbsolutePathWithXdgOpen)
{
    Touch(root_ / "work" / "Help" / "index.html");
    XdgShell shell = MakeShell();
    shell.OpenDocument("index.html", "Help");
    ASSERT_EQ(spawned_.size(), 1U);
    const std::vector<std::string> want{"xdg-open", (root_ / "work" / "Help" / "index.html").string()};
    EXPECT_EQ(spawned_.front(), want);
    EXPECT_TRUE(fs::path(spawned_.front()[1]).is_absolute());
}

TEST_F(XdgShellTest, OpensNothingWhenThePageIsMissing)
{
    XdgShell shell = MakeShell();
    shell.OpenDocument("index.html", "Help");
    shell.OpenDocument("", "Help");
    EXPECT_TRUE(spawned_.empty());
}

TEST_F(XdgShellTest, SpawnerThatFailsIsSilent)
{
    Touch(root_ / "work" / "Help" / "index.html");
    int calls = 0;
    XdgShell shell({}, [&calls](const std::vector<std::string>&) {
        ++calls;
        return false;
    });
    EXPECT_NO_THROW(shell.OpenDocument("index.html", "Help"));
    EXPECT_EQ(calls, 1);
}

TEST(SpawnDetached, ReportsWhetherTheProgramStarted)
{
    EXPECT_TRUE(SpawnDetached({"true"}));
    EXPECT_FALSE(SpawnDetached({"sonnavet-no-such-program-here"}));
    EXPECT_FALSE(SpawnDetached({}));
    EXPECT_FALSE(SpawnDetached({""}));
}

TEST(XdgShellInstall, LooksBesideTheProgramForARelocatedInstall)
{
    const std::vector<std::string> folders = XdgShell::InstalledDataFolders();
    ASSERT_FALSE(folders.empty());
    const fs::path exe = fs::read_symlink("/proc/self/exe");
    const std::string beside = (exe.parent_path().parent_path() / "share" / "sonnavet").lexically_normal().string();
    EXPECT_EQ(folders.back(), beside);
    for (const std::string& folder : folders) EXPECT_TRUE(fs::path(folder).is_absolute()) << folder;
}

}  // namespace
}  // namespace sonnavet
