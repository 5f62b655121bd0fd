#include "platform/profile/FileProfile.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <new>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace sonnavet {

namespace {

// The descriptor is closed when the guard goes out of scope.
class FdGuard {
public:
    explicit FdGuard(int fd) : fd_(fd) {}
    FdGuard(const FdGuard&) = delete;
    FdGuard& operator=(const FdGuard&) = delete;
    ~FdGuard()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    int Get() const { return fd_; }
    // Closes now and reports whether close succeeded (it can report a late write error).
    bool Close()
    {
        const int fd = std::exchange(fd_, -1);
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool SameTime(const timespec& a, const timespec& b)
{
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

bool IsAbsolute(const char* path)
{
    return path != nullptr && path[0] == '/';
}

}  // namespace

bool FileProfile::Stamp::operator==(const Stamp& other) const
{
    return device == other.device && inode == other.inode && size == other.size &&
           SameTime(modified, other.modified) && SameTime(changed, other.changed);
}

FileProfile::FileProfile(std::string folder) : FileProfile(std::move(folder), &FileProfile::WriteAll) {}

FileProfile::FileProfile(std::string folder, Writer writer) : folder_(std::move(folder)), writer_(std::move(writer))
{
    while (folder_.size() > 1 && folder_.back() == '/') folder_.pop_back();
}

bool FileProfile::WriteAll(int fd, std::string_view data)
{
    while (!data.empty()) {
        const ssize_t written = ::write(fd, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (written == 0) return false;
        data.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::string FileProfile::PathOf(const std::string& fileName) const
{
    return folder_ == "/" ? "/" + fileName : folder_ + "/" + fileName;
}

IniDocument* FileProfile::Load(const std::string& fileName)
{
    if (folder_.empty()) return nullptr;
    const std::string path = PathOf(fileName);
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (errno != ENOENT && errno != ENOTDIR) {
            cache_.erase(fileName);
            return nullptr;
        }
        // A missing file (or a folder that is not there yet) reads as empty.
        Entry& entry = cache_[fileName];
        entry = Entry{};
        return &entry.document;
    }
    Stamp stamp{st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim};
    if (const auto it = cache_.find(fileName); it != cache_.end() && it->second.exists && it->second.stamp == stamp) {
        return &it->second.document;
    }
    cache_.erase(fileName);

    // O_NONBLOCK so that a FIFO in place of the file cannot hang the program.
    FdGuard fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (fd.Get() < 0 || ::fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode) ||
        static_cast<std::size_t>(st.st_size) > kMaxFileSize) {
        return nullptr;
    }
    stamp = Stamp{st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim};
    try {
        std::string text;
        text.resize(static_cast<std::size_t>(st.st_size));
        std::size_t used = 0;
        for (;;) {
            if (used == text.size()) {
                // The file grew since fstat: keep reading up to the limit.
                if (text.size() > kMaxFileSize) return nullptr;
                text.resize(text.size() + 4096);
            }
            const ssize_t got = ::read(fd.Get(), text.data() + used, text.size() - used);
            if (got < 0) {
                if (errno == EINTR) continue;
                return nullptr;
            }
            if (got == 0) break;
            used += static_cast<std::size_t>(got);
        }
        text.resize(used);
        ++readCount_;
        Entry& entry = cache_[fileName];
        entry.stamp = stamp;
        entry.exists = true;
        entry.document = IniDocument::Parse(text);
        return &entry.document;
    } catch (const std::bad_alloc&) {
        cache_.erase(fileName);
        return nullptr;
    }
}

bool FileProfile::MakeFolder() const
{
    for (std::size_t slash = folder_.find('/', 1); slash != std::string::npos; slash = folder_.find('/', slash + 1)) {
        const std::string parent = folder_.substr(0, slash);
        if (::mkdir(parent.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    if (::mkdir(folder_.c_str(), 0700) != 0 && errno != EEXIST) return false;
    struct stat st {};
    return ::stat(folder_.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool FileProfile::Store(const std::string& fileName, IniDocument& document)
{
    const auto fail = [&](const char* tempPath) {
        if (tempPath != nullptr) ::unlink(tempPath);
        cache_.erase(fileName);  // forget the edit; the file on disk is what counts
        return false;
    };
    if (folder_.empty() || !MakeFolder()) return fail(nullptr);

    const std::string path = PathOf(fileName);
    std::string text;
    try {
        text = document.Serialize();
    } catch (const std::bad_alloc&) {
        return fail(nullptr);
    }

    std::string pattern = PathOf("." + fileName + ".XXXXXX");
    std::vector<char> tempPath(pattern.begin(), pattern.end());
    tempPath.push_back('\0');
    FdGuard fd(::mkostemp(tempPath.data(), O_CLOEXEC));
    if (fd.Get() < 0) return fail(nullptr);

    // Keep the permission bits and, where allowed, the owner of the old file.
    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        if (::fchmod(fd.Get(), old.st_mode & 07777) != 0) return fail(tempPath.data());
        struct stat mine {};
        if (::fstat(fd.Get(), &mine) == 0 && (mine.st_uid != old.st_uid || mine.st_gid != old.st_gid)) {
            if (::fchown(fd.Get(), old.st_uid, old.st_gid) != 0) {
                // Not permitted for an ordinary user: the file then belongs to us.
            }
        }
    } else if (::fchmod(fd.Get(), 0600) != 0) {
        return fail(tempPath.data());
    }

    if (!writer_(fd.Get(), text) || ::fsync(fd.Get()) != 0 || !fd.Close()) return fail(tempPath.data());
    if (::rename(tempPath.data(), path.c_str()) != 0) return fail(tempPath.data());

    // Make the rename itself durable; a failure here does not undo the write.
    FdGuard dir(::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0) ::fsync(dir.Get());

    struct stat st {};
    const auto it = cache_.find(fileName);
    if (::stat(path.c_str(), &st) != 0 || it == cache_.end()) {
        cache_.erase(fileName);
        return true;
    }
    it->second.stamp = Stamp{st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim};
    it->second.exists = true;
    return true;
}

std::string ChooseSettingsFolder(const char* xdgConfigHome, const char* home,
                                 const std::function<std::string()>& passwdHome)
{
    // base + suffix without doubled slashes from a base that ends in '/'.
    const auto join = [](std::string base, const char* suffix) {
        while (!base.empty() && base.back() == '/') base.pop_back();
        return base + suffix;
    };
    if (IsAbsolute(xdgConfigHome)) return join(xdgConfigHome, "/sonnavet");
    if (IsAbsolute(home)) return join(home, "/.config/sonnavet");
    const std::string fromPasswd = passwdHome ? passwdHome() : std::string();
    if (IsAbsolute(fromPasswd.c_str())) return join(fromPasswd, "/.config/sonnavet");
    return std::string();
}

std::string DefaultSettingsFolder()
{
    return ChooseSettingsFolder(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"), [] {
        long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
        std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
        passwd entry {};
        passwd* result = nullptr;
        if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &result) != 0 || result == nullptr ||
            result->pw_dir == nullptr) {
            return std::string();
        }
        return std::string(result->pw_dir);
    });
}

}  // namespace sonnavet
