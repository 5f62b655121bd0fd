#include "platform/desktop/XdgShell.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <thread>
#include <utility>

extern char** environ;

namespace sonnavet {

namespace fs = std::filesystem;

namespace {

bool IsRegularFile(const fs::path& path)
{
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

}  // namespace

bool SpawnDetached(const std::vector<std::string>& argv)
{
    if (argv.empty() || argv.front().empty()) return false;
    std::vector<char*> args;
    args.reserve(argv.size() + 1);
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0) return false;
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);

    pid_t pid = 0;
    const int result = posix_spawnp(&pid, args.front(), &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (result != 0) return false;

    // xdg-open may wait for the browser it starts; reap it off the UI thread.
    try {
        std::thread([pid] {
            int status = 0;
            while (waitpid(pid, &status, 0) == -1 && errno == EINTR) {
            }
        }).detach();
    } catch (const std::system_error&) {
        // No thread to wait with: the child stays a zombie until the program
        // ends, which is harmless.
    }
    return true;
}

XdgShell::XdgShell() : XdgShell(InstalledDataFolders(), SpawnDetached) {}

XdgShell::XdgShell(std::vector<std::string> dataFolders, SpawnFunction spawn)
    : dataFolders_(std::move(dataFolders)), spawn_(std::move(spawn))
{
}

std::vector<std::string> XdgShell::InstalledDataFolders()
{
    std::vector<std::string> folders;
#ifdef SONNAVET_INSTALLED_DATA_DIR
    folders.emplace_back(SONNAVET_INSTALLED_DATA_DIR);
#endif
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && exe.has_parent_path()) {
        const std::string beside = (exe.parent_path().parent_path() / "share" / "sonnavet").lexically_normal().string();
        if (folders.empty() || folders.front() != beside) folders.push_back(beside);
    }
    return folders;
}

std::string XdgShell::FindDocument(const std::string& document, const std::string& directory) const
{
    if (document.empty()) return {};
    const fs::path relative = fs::path(directory) / document;

    std::error_code ec;
    const fs::path here = fs::absolute(relative, ec);
    if (!ec && IsRegularFile(here)) return here.lexically_normal().string();

    for (const std::string& folder : dataFolders_) {
        if (folder.empty()) continue;
        const fs::path installed = fs::path(folder) / relative;
        if (installed.is_absolute() && IsRegularFile(installed)) return installed.lexically_normal().string();
    }
    return {};
}

void XdgShell::OpenDocument(const std::string& document, const std::string& directory)
{
    const std::string path = FindDocument(document, directory);
    if (path.empty() || !spawn_) return;
    spawn_({"xdg-open", path});
}

}  // namespace sonnavet
