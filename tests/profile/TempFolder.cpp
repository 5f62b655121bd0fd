#include "TempFolder.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/stat.h>

namespace sonnavet::test {

TempFolder::TempFolder()
{
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp != nullptr && *tmp == '/' ? tmp : "/tmp") + "/profile-test-XXXXXX";
    if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempFolder::~TempFolder()
{
    namespace fs = std::filesystem;
    std::error_code error;
    for (auto it = fs::recursive_directory_iterator(path_, error); !error && it != fs::recursive_directory_iterator();
         it.increment(error)) {
        if (it->is_directory(error) && !it->is_symlink(error)) fs::permissions(it->path(), fs::perms::owner_all, error);
    }
    fs::permissions(path_, fs::perms::owner_all, error);
    fs::remove_all(path_, error);
}

std::optional<std::string> ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out.flush()) throw std::runtime_error("cannot write " + path);
}

std::vector<std::string> ListFolder(const std::string& path)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

unsigned PermissionBits(const std::string& path)
{
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0) return 0xFFFFFFFFu;
    return static_cast<unsigned>(st.st_mode & 07777);
}

}  // namespace sonnavet::test
