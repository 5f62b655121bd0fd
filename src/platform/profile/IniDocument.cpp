#include "platform/profile/IniDocument.h"

#include <climits>
#include <cstring>

namespace sonnavet {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::size_t npos = std::string::npos;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

char LowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    }
    return true;
}

bool HasLineBreakOrNul(std::string_view text)
{
    return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
}

std::string_view EndingText(unsigned char eol)
{
    return eol == 2 ? std::string_view("\r\n") : eol == 1 ? std::string_view("\n") : std::string_view();
}

}  // namespace

std::string_view TrimBlanks(std::string_view text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

IniDocument::Line IniDocument::MakeLine(std::string text, unsigned char eol)
{
    Line line;
    line.text = std::move(text);
    line.eol = eol;
    const std::string& t = line.text;
    std::size_t first = 0;
    while (first < t.size() && IsBlank(t[first])) ++first;
    if (first == t.size() || t[first] == ';') return line;
    if (t[first] == '[') {
        const std::size_t close = t.rfind(']');
        if (close == npos || close <= first) return line;
        std::size_t begin = first + 1;
        std::size_t end = close;
        while (begin < end && IsBlank(t[begin])) ++begin;
        while (end > begin && IsBlank(t[end - 1])) --end;
        line.kind = Kind::Header;
        line.nameBegin = begin;
        line.nameEnd = end;
        return line;
    }
    const std::size_t equals = t.find('=', first);
    if (equals == npos) return line;
    std::size_t keyEnd = equals;
    while (keyEnd > first && IsBlank(t[keyEnd - 1])) --keyEnd;
    if (keyEnd == first) return line;
    std::size_t valueBegin = equals + 1;
    std::size_t valueEnd = t.size();
    while (valueBegin < valueEnd && IsBlank(t[valueBegin])) ++valueBegin;
    while (valueEnd > valueBegin && IsBlank(t[valueEnd - 1])) --valueEnd;
    line.kind = Kind::Key;
    line.nameBegin = first;
    line.nameEnd = keyEnd;
    line.equals = equals;
    line.valueBegin = valueBegin;
    line.valueEnd = valueEnd;
    return line;
}

IniDocument IniDocument::Parse(std::string_view text)
{
    IniDocument doc;
    if (text.substr(0, kBom.size()) == kBom) {
        doc.bom_ = true;
        text.remove_prefix(kBom.size());
    }
    std::size_t pos = 0;
    while (pos < text.size()) {
        const void* hit = std::memchr(text.data() + pos, '\n', text.size() - pos);
        if (hit == nullptr) {
            doc.lines_.push_back(MakeLine(std::string(text.substr(pos)), 0));
            break;
        }
        const std::size_t newline = static_cast<std::size_t>(static_cast<const char*>(hit) - text.data());
        std::size_t end = newline;
        unsigned char eol = 1;
        if (end > pos && text[end - 1] == '\r') {
            --end;
            eol = 2;
        }
        doc.lines_.push_back(MakeLine(std::string(text.substr(pos, end - pos)), eol));
        pos = newline + 1;
    }
    return doc;
}

std::size_t IniDocument::FindSection(std::string_view section) const
{
    section = TrimBlanks(section);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.kind == Kind::Header &&
            EqualNoCase(std::string_view(line.text).substr(line.nameBegin, line.nameEnd - line.nameBegin), section)) {
            return i;
        }
    }
    return npos;
}

std::size_t IniDocument::FindKey(std::size_t header, std::string_view key) const
{
    key = TrimBlanks(key);
    for (std::size_t i = header + 1; i < lines_.size(); ++i) {
        const Line& line = lines_[i];
        if (line.kind == Kind::Header) break;
        if (line.kind == Kind::Key &&
            EqualNoCase(std::string_view(line.text).substr(line.nameBegin, line.nameEnd - line.nameBegin), key)) {
            return i;
        }
    }
    return npos;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const
{
    const std::size_t header = FindSection(section);
    if (header == npos) return std::nullopt;
    const std::size_t index = FindKey(header, key);
    if (index == npos) return std::nullopt;
    const Line& line = lines_[index];
    return line.text.substr(line.valueBegin, line.valueEnd - line.valueBegin);
}

bool IniDocument::IsWritable(std::string_view section, std::string_view key, std::string_view value)
{
    if (HasLineBreakOrNul(section) || HasLineBreakOrNul(key) || HasLineBreakOrNul(value)) return false;
    const std::string_view trimmedKey = TrimBlanks(key);
    return !trimmedKey.empty() && trimmedKey.find('=') == std::string_view::npos && trimmedKey.front() != '[' &&
           trimmedKey.front() != ';';
}

unsigned char IniDocument::NewLineEnding() const
{
    for (const Line& line : lines_) {
        if (line.eol != 0) return line.eol;
    }
    return 1;
}

void IniDocument::EndLastLine()
{
    if (!lines_.empty() && lines_.back().eol == 0) lines_.back().eol = NewLineEnding();
}

IniDocument::SetResult IniDocument::Set(std::string_view section, std::string_view key, std::string_view value)
{
    if (!IsWritable(section, key, value)) return SetResult::Refused;
    const unsigned char eol = NewLineEnding();
    const std::string_view trimmedKey = TrimBlanks(key);
    std::string keyLine;
    keyLine.reserve(trimmedKey.size() + 1 + value.size());
    keyLine.append(trimmedKey).append("=").append(value);

    const std::size_t header = FindSection(section);
    if (header == npos) {
        EndLastLine();
        std::string headerLine = "[";
        headerLine.append(TrimBlanks(section)).append("]");
        lines_.push_back(MakeLine(std::move(headerLine), eol));
        lines_.push_back(MakeLine(std::move(keyLine), eol));
        return SetResult::Changed;
    }

    if (const std::size_t index = FindKey(header, key); index != npos) {
        Line& line = lines_[index];
        // Keep the key as written and the blanks after '=' before a non-empty value.
        const std::size_t keep = line.valueBegin < line.valueEnd ? line.valueBegin : line.equals + 1;
        std::string text = line.text.substr(0, keep);
        text.append(value);
        if (text == line.text) return SetResult::Unchanged;
        line = MakeLine(std::move(text), line.eol);
        return SetResult::Changed;
    }

    std::size_t after = header;
    for (std::size_t i = header + 1; i < lines_.size() && lines_[i].kind != Kind::Header; ++i) {
        if (lines_[i].kind == Kind::Key) after = i;
    }
    if (lines_[after].eol == 0) lines_[after].eol = eol;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(after + 1), MakeLine(std::move(keyLine), eol));
    return SetResult::Changed;
}

std::string IniDocument::Serialize() const
{
    std::size_t size = bom_ ? kBom.size() : 0;
    for (const Line& line : lines_) size += line.text.size() + line.eol;
    std::string out;
    out.reserve(size);
    if (bom_) out.append(kBom);
    for (const Line& line : lines_) out.append(line.text).append(EndingText(line.eol));
    return out;
}

int ParseProfileInt(std::string_view value)
{
    std::size_t i = 0;
    while (i < value.size() && IsBlank(value[i])) ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == '+' || value[i] == '-')) {
        negative = value[i] == '-';
        ++i;
    }
    // Accumulate the magnitude in 64 bits and stop growing once it is past the
    // 32-bit range, so any number of digits is safe.
    constexpr long long kLimit = static_cast<long long>(INT_MAX) + 1;
    long long magnitude = 0;
    for (; i < value.size() && value[i] >= '0' && value[i] <= '9'; ++i) {
        if (magnitude <= kLimit) magnitude = magnitude * 10 + (value[i] - '0');
    }
    if (negative) return magnitude >= kLimit ? INT_MIN : static_cast<int>(-magnitude);
    return magnitude > INT_MAX ? INT_MAX : static_cast<int>(magnitude);
}

std::string CutToBufferSize(std::string_view text, std::size_t bufferSize)
{
    if (bufferSize == 0) return std::string();
    return std::string(text.substr(0, bufferSize - 1));
}

}  // namespace sonnavet
