#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sonnavet {

// An INI text that can be read and edited with the private-profile rules while
// every byte that an edit does not touch stays as it was.
//
// Lines:
//   "[name]"       section header: the first non-blank character is '[' and the
//                  line holds a ']'; the name is what lies between '[' and the
//                  last ']', without surrounding blanks. Text after it is ignored.
//   "key=value"    key line: any other line (not a comment) holding '='; key and
//                  value are the text before and after the first '=', without
//                  surrounding blanks (space, tab, CR, VT, FF). A line whose key
//                  is empty is not a key line.
//   ";..."         comment (first non-blank character ';'), kept verbatim.
//   anything else  blank lines, lines without '=', a '[' line without ']',
//                  garbage: kept verbatim and never matched.
// Key lines before the first section header belong to no section and are never
// matched. Section and key names compare case-insensitively (ASCII letters only).
// Quotes around a value are part of the value.
//
// Bad or unusual input:
//   empty text              no sections; every Get misses, Set creates the section.
//   binary garbage, NUL     bytes are bytes: NUL and non-ASCII are ordinary
//                           characters; nothing is rejected and nothing crashes.
//   no final newline        the last line is parsed like any other; an edit that
//                           adds a line after it first ends it with the file's
//                           line ending, so the text then ends with a newline.
//   CRLF                    LF and CRLF both end a line; each untouched line keeps
//                           its own ending, new lines take the ending of the
//                           text's first line (LF for a text without any). A lone
//                           CR does not end a line.
//   UTF-8 byte-order mark   kept at the start of the text and skipped by the parser.
//                           Other encodings (UTF-16) are read as garbage.
//   duplicate sections/keys the first occurrence wins for Get and Set; later ones
//                           are kept verbatim and never touched.
//   lines without '='       kept, never a key (writing that name adds "name=value").
//   long values             Get returns the whole value; cutting to a buffer size
//                           is the caller's business (see CutToBufferSize).
//   very large texts        parsed in one linear pass into one record per line;
//                           Get and Set are linear in the number of lines.
//
// Set refuses (returns Refused, leaves the text unchanged) a section name, key or
// value holding CR, LF or NUL, so no value can inject lines; it also refuses a key
// that is empty after trimming, contains '=' or begins with '[' or ';', since such
// a line would not read back as that key.
class IniDocument {
public:
    enum class SetResult { Refused, Unchanged, Changed };

    IniDocument() = default;
    static IniDocument Parse(std::string_view text);

    // The value of the first matching key in the first matching section.
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;

    // Replaces the value of the first matching key in place; otherwise adds
    // "key=value" after the last key line of the first matching section (or right
    // after its header); otherwise appends "[section]" and the key at the end.
    SetResult Set(std::string_view section, std::string_view key, std::string_view value);

    std::string Serialize() const;

    // Whether Set accepts these names and value.
    static bool IsWritable(std::string_view section, std::string_view key, std::string_view value);

private:
    enum class Kind : unsigned char { Other, Header, Key };
    struct Line {
        std::string text;       // without its line ending
        unsigned char eol = 0;  // 0: none (last line), 1: LF, 2: CRLF
        Kind kind = Kind::Other;
        // Header: the name is text[nameBegin, nameEnd). Key: the key is
        // text[nameBegin, nameEnd), '=' is at equals, the value is
        // text[valueBegin, valueEnd).
        std::size_t nameBegin = 0, nameEnd = 0, equals = 0, valueBegin = 0, valueEnd = 0;
    };

    static Line MakeLine(std::string text, unsigned char eol);
    // Index of the first header line of the section, or npos.
    std::size_t FindSection(std::string_view section) const;
    // Index of the first key line in the section that starts at header, or npos.
    std::size_t FindKey(std::size_t header, std::string_view key) const;
    unsigned char NewLineEnding() const;
    void EndLastLine();

    bool bom_ = false;
    std::vector<Line> lines_;
};

// Text without the blanks (space, tab, CR, VT, FF) at either end.
std::string_view TrimBlanks(std::string_view text);

// The integer that GetPrivateProfileInt reads from a value: leading blanks, an
// optional sign, decimal digits up to the first other character; 0 when no digit
// follows. Values beyond 32 bits saturate at INT_MIN / INT_MAX. "0x10" reads as 0.
int ParseProfileInt(std::string_view value);

// The text as a buffer of bufferSize bytes would hold it with its terminating
// NUL: at most bufferSize - 1 characters, empty for a size of 0.
std::string CutToBufferSize(std::string_view text, std::size_t bufferSize);

}  // namespace sonnavet
