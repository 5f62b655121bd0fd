#pragma once

#include <optional>
#include <string>
#include <vector>

namespace sonnavet::test {

// A fresh folder under $TMPDIR (or /tmp), removed with everything in it when the
// object goes away, even when a test left parts of it read-only.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// The whole content of a file, or nullopt when it cannot be read.
std::optional<std::string> ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& text);
// The names in a folder, sorted, without "." and "..".
std::vector<std::string> ListFolder(const std::string& path);
// The permission bits of a path (not following a symlink at the end).
unsigned PermissionBits(const std::string& path);

}  // namespace sonnavet::test
