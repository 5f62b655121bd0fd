#pragma once

#include <cstddef>
#include <string>

#include "platform/Profile.h"
#include "platform/profile/IniDocument.h"

namespace sonnavet {

// The private-profile functions over IniDocument, shared by the file-backed and
// the in-memory store so both read and write with exactly the same rules. A
// subclass only says where a file's document comes from and where it goes.
class DocumentProfile : public Profile {
public:
    int GetPrivateProfileInt(const std::string& section, const std::string& key, int defaultValue,
                             const std::string& fileName) override;
    std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                        const std::string& defaultText, std::size_t bufferSize,
                                        const std::string& fileName) override;
    bool WritePrivateProfileString(const std::string& section, const std::string& key, const std::string& value,
                                   const std::string& fileName) override;

    // A bare file name: not empty, no '/', no "..", no NUL.
    static bool IsBareFileName(const std::string& fileName);

protected:
    // The current document of the file (empty for a missing file), or nullptr
    // when the file exists but cannot be read. Only called with bare names.
    virtual IniDocument* Load(const std::string& fileName) = 0;
    // Stores the document edited in place after Load; false when it failed (the
    // subclass then forgets its copy so the next Load sees what is really there).
    virtual bool Store(const std::string& fileName, IniDocument& document) = 0;
};

}  // namespace sonnavet
