#include "platform/profile/DocumentProfile.h"

#include <optional>

namespace sonnavet {

bool DocumentProfile::IsBareFileName(const std::string& fileName)
{
    return !fileName.empty() && fileName.find('/') == std::string::npos && fileName.find("..") == std::string::npos &&
           fileName.find('\0') == std::string::npos && fileName != ".";
}

int DocumentProfile::GetPrivateProfileInt(const std::string& section, const std::string& key, int defaultValue,
                                          const std::string& fileName)
{
    if (!IsBareFileName(fileName)) return defaultValue;
    const IniDocument* document = Load(fileName);
    if (document == nullptr) return defaultValue;
    const std::optional<std::string> value = document->Get(section, key);
    if (!value || value->empty()) return defaultValue;
    return ParseProfileInt(*value);
}

std::string DocumentProfile::GetPrivateProfileString(const std::string& section, const std::string& key,
                                                     const std::string& defaultText, std::size_t bufferSize,
                                                     const std::string& fileName)
{
    if (!IsBareFileName(fileName)) return CutToBufferSize(defaultText, bufferSize);
    const IniDocument* document = Load(fileName);
    if (document == nullptr) return CutToBufferSize(defaultText, bufferSize);
    const std::optional<std::string> value = document->Get(section, key);
    return CutToBufferSize(value ? *value : defaultText, bufferSize);
}

bool DocumentProfile::WritePrivateProfileString(const std::string& section, const std::string& key,
                                                const std::string& value, const std::string& fileName)
{
    if (!IsBareFileName(fileName) || !IniDocument::IsWritable(section, key, value)) return false;
    IniDocument* document = Load(fileName);
    if (document == nullptr) return false;  // never replace a file that could not be read
    switch (document->Set(section, key, value)) {
    case IniDocument::SetResult::Refused:
        return false;
    case IniDocument::SetResult::Unchanged:
        return true;
    case IniDocument::SetResult::Changed:
        break;
    }
    return Store(fileName, *document);
}

}  // namespace sonnavet
