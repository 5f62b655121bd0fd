#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>

#include "platform/profile/DocumentProfile.h"

namespace sonnavet {

// The private-profile functions over in-memory texts, one per file name, with
// the same rules as FileProfile. For tests of the program's logic: a test can
// give a file's text, read back the exact bytes written and count the writes.
class MemoryProfile : public DocumentProfile {
public:
    // The file's text; nullopt while the file does not exist.
    std::optional<std::string> Text(const std::string& fileName) const;
    void SetText(const std::string& fileName, const std::string& text);
    void Remove(const std::string& fileName);

    // While set, the file reads as unreadable: defaults apply and writes fail.
    void SetUnreadable(const std::string& fileName, bool unreadable);
    // While set, every write fails and leaves the texts unchanged.
    void SetFailWrites(bool fail) { failWrites_ = fail; }

    // Calls of WritePrivateProfileString, successful or not, and per file name.
    std::size_t WriteCount() const { return writeCount_; }
    std::size_t WriteCount(const std::string& fileName) const;

    bool WritePrivateProfileString(const std::string& section, const std::string& key, const std::string& value,
                                   const std::string& fileName) override;

protected:
    IniDocument* Load(const std::string& fileName) override;
    bool Store(const std::string& fileName, IniDocument& document) override;

private:
    struct File {
        std::optional<std::string> text;  // the stored text; nullopt: no file
        IniDocument document;             // text parsed, edited in place by a write
        bool unreadable = false;
    };

    std::map<std::string, File> files_;
    std::map<std::string, std::size_t> writesPerFile_;
    std::size_t writeCount_ = 0;
    bool failWrites_ = false;
};

}  // namespace sonnavet
