#include "platform/profile/MemoryProfile.h"

namespace sonnavet {

std::optional<std::string> MemoryProfile::Text(const std::string& fileName) const
{
    const auto it = files_.find(fileName);
    return it == files_.end() ? std::nullopt : it->second.text;
}

void MemoryProfile::SetText(const std::string& fileName, const std::string& text)
{
    File& file = files_[fileName];
    file.text = text;
    file.document = IniDocument::Parse(text);
}

void MemoryProfile::Remove(const std::string& fileName)
{
    File& file = files_[fileName];
    file.text.reset();
    file.document = IniDocument();
}

void MemoryProfile::SetUnreadable(const std::string& fileName, bool unreadable)
{
    files_[fileName].unreadable = unreadable;
}

std::size_t MemoryProfile::WriteCount(const std::string& fileName) const
{
    const auto it = writesPerFile_.find(fileName);
    return it == writesPerFile_.end() ? 0 : it->second;
}

bool MemoryProfile::WritePrivateProfileString(const std::string& section, const std::string& key,
                                              const std::string& value, const std::string& fileName)
{
    ++writeCount_;
    ++writesPerFile_[fileName];
    return DocumentProfile::WritePrivateProfileString(section, key, value, fileName);
}

IniDocument* MemoryProfile::Load(const std::string& fileName)
{
    File& file = files_[fileName];
    return file.unreadable ? nullptr : &file.document;
}

bool MemoryProfile::Store(const std::string& fileName, IniDocument& document)
{
    File& file = files_[fileName];
    if (failWrites_) {
        // Undo the edit: the stored text is unchanged.
        file.document = file.text ? IniDocument::Parse(*file.text) : IniDocument();
        return false;
    }
    file.text = document.Serialize();
    return true;
}

}  // namespace sonnavet
