#pragma once

#include <string>

namespace sonnavet {

// Private-profile (INI) functions: one section/key/value store per file name.
class Profile {
public:
    virtual ~Profile() = default;

    // The key's value as an integer; the default when the key or the file is missing.
    virtual int GetPrivateProfileInt(const std::string& section, const std::string& key, int defaultValue,
                                     const std::string& fileName) = 0;
    // The key's value cut to bufferSize - 1 characters; the default text (cut the
    // same way) when the key or the file is missing.
    virtual std::string GetPrivateProfileString(const std::string& section, const std::string& key,
                                                const std::string& defaultText, std::size_t bufferSize,
                                                const std::string& fileName) = 0;
    // Replaces the key's value, or adds the key at the end of its section; creates
    // the section and the file when missing. Returns false when the write failed.
    virtual bool WritePrivateProfileString(const std::string& section, const std::string& key,
                                           const std::string& value, const std::string& fileName) = 0;
};

}  // namespace sonnavet
