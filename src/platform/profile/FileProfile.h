#pragma once

#include <cstddef>
#include <ctime>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <sys/types.h>

#include "platform/profile/DocumentProfile.h"

namespace sonnavet {

// The private-profile functions over real INI files in one folder. File names are
// bare names ("zelk.ini") inside that folder; any other name is refused.
//
// Reading: a missing file reads as empty, so defaults apply. A file that exists
// but cannot be read (no permission, not a regular file, larger than
// kMaxFileSize) also gives the defaults, and writes to it are refused so it is
// never replaced by a text that lost its contents. The parsed document is kept
// and read again only when the file's identity, size, mtime or ctime changed.
//
// Writing: the folder and its missing parents are created (mode 0700). The whole
// new text goes to a temporary file in the same folder, which is written, synced
// and renamed over the old file, so the old file is either intact or completely
// replaced: a full disk or an unwritable folder never leaves a half-written or
// empty file. The new file keeps the old file's permission bits (0600 for a new
// file). A symlinked file is read through the link, and a write replaces the
// link by a regular file in the folder.
class FileProfile : public DocumentProfile {
public:
    static constexpr std::size_t kMaxFileSize = 256u * 1024u * 1024u;

    // Writes all of the data to the file descriptor; false on failure. Tests
    // replace it to make a write fail half way.
    using Writer = std::function<bool(int fd, std::string_view data)>;

    explicit FileProfile(std::string folder);
    FileProfile(std::string folder, Writer writer);

    const std::string& Folder() const { return folder_; }
    // How many times a file's text was read from disk (the cache's misses).
    std::size_t ReadCount() const { return readCount_; }

    // Writes everything with write(2), retrying on EINTR and short writes.
    static bool WriteAll(int fd, std::string_view data);

protected:
    IniDocument* Load(const std::string& fileName) override;
    bool Store(const std::string& fileName, IniDocument& document) override;

private:
    struct Stamp {
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        timespec modified{};
        timespec changed{};
        bool operator==(const Stamp& other) const;
    };
    struct Entry {
        Stamp stamp;
        bool exists = false;
        IniDocument document;
    };

    std::string PathOf(const std::string& fileName) const;
    bool MakeFolder() const;

    std::string folder_;
    Writer writer_;
    std::map<std::string, Entry> cache_;
    std::size_t readCount_ = 0;
};

// The folder of the settings file: $XDG_CONFIG_HOME/sonnavet when that variable
// is set to an absolute path, else $HOME/.config/sonnavet, with the home folder
// from the password database when HOME is unset, empty or relative. Empty when no
// home folder is known (a FileProfile over it reads defaults and refuses writes).
std::string DefaultSettingsFolder();

// The same choice from given values (nullptr: variable unset); passwdHome is only
// asked for when it is needed.
std::string ChooseSettingsFolder(const char* xdgConfigHome, const char* home,
                                 const std::function<std::string()>& passwdHome);

}  // namespace sonnavet
