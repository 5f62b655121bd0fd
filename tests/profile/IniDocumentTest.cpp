#include <gtest/gtest.h>

#include <climits>
#include <optional>
#include <string>

#include "platform/profile/IniDocument.h"

namespace sonnavet {
namespace {

using namespace std::string_literals;

const std::string kBom = "\xEF\xBB\xBF";

TEST(IniDocument, UntouchedTextSerializesByteForByte)
{
    const std::string texts[] = {
        ""s,
        "[zelk]\ntempo=120\n"s,
        "[zelk]\r\ntempo=120\r\n"s,
        "[zelk]\ntempo=120"s,                              // no final newline
        kBom + "[zelk]\r\nx=1\r\n",                        // byte-order mark
        "a\r\nb\nc\rd\r\n\r\n\n"s,                         // mixed endings, lone CR
        "\0\xff\xfe[\0]\n=\n==\n[\n]\n;=\n\r\r\n"s,        // garbage with NUL bytes
        "  [ zelk ]  ; note\n\t key \t= value \t\n\n\n"s,  // blanks kept
        "\n\n\n"s,
    };
    for (const std::string& text : texts) {
        EXPECT_EQ(IniDocument::Parse(text).Serialize(), text) << testing::PrintToString(text);
    }
}

struct GetCase {
    const char* what;
    std::string text;
    std::string section;
    std::string key;
    std::optional<std::string> expected;
};

TEST(IniDocument, GetReadsWithThePrivateProfileRules)
{
    const std::string longValue(5000, 'v');
    const GetCase cases[] = {
        {"plain", "[zelk]\ntempo=120\n", "zelk", "tempo", "120"},
        {"section and key ignore ASCII case", "[ZeLk]\nTEMPO=1\n", "zElK", "tempo", "1"},
        {"blanks around key and value are trimmed", "[zelk]\n \t tempo \t=  12 0 \t\n", "zelk", "tempo", "12 0"},
        {"blanks around the header name are trimmed", "  [ zelk ] trailing text\nx=1\n", "zelk", "x", "1"},
        {"caller's names are trimmed", "[zelk]\ntempo=1\n", " zelk ", "\ttempo ", "1"},
        {"CRLF does not leak a CR into the value", "[zelk]\r\ntempo=120\r\n", "zelk", "tempo", "120"},
        {"byte-order mark is skipped", kBom + "[zelk]\nx=1\n", "zelk", "x", "1"},
        {"last line without newline", "[zelk]\nx=7", "zelk", "x", "7"},
        {"empty value is a value", "[zelk]\nx=\n", "zelk", "x", ""},
        {"value holds further '='", "[zelk]\nx=a=b\n", "zelk", "x", "a=b"},
        {"quotes are part of the value", "[zelk]\nx=\"a\"\n", "zelk", "x", "\"a\""},
        {"first of duplicate keys wins", "[zelk]\nx=1\nx=2\n", "zelk", "x", "1"},
        {"first of duplicate sections wins", "[zelk]\nx=1\n[zelk]\nx=2\ny=3\n", "zelk", "x", "1"},
        {"keys of a later duplicate section are not seen", "[zelk]\nx=1\n[ZELK]\ny=3\n", "zelk", "y", std::nullopt},
        {"key of another section", "[a]\nx=1\n[zelk]\ny=2\n", "zelk", "x", std::nullopt},
        {"line without '=' is no key", "[zelk]\nx\n", "zelk", "x", std::nullopt},
        {"comment is no key", "[zelk]\n;x=1\n  ; x=1\n", "zelk", "x", std::nullopt},
        {"key before any section belongs to none", "x=1\n[zelk]\n", "zelk", "x", std::nullopt},
        {"'[' without ']' is no header", "[zelk\nx=1\n", "zelk", "x", std::nullopt},
        {"empty key line is no key", "[zelk]\n=1\n", "zelk", "", std::nullopt},
        {"empty text", "", "zelk", "x", std::nullopt},
        {"only a byte-order mark", kBom, "zelk", "x", std::nullopt},
        {"NUL and high bytes are ordinary characters", "\0\xff\n[zelk]\nk\0y=v\x01\xfe\n"s, "zelk", "k\0y"s,
         "v\x01\xfe"},
        {"long value is returned whole", "[zelk]\nx=" + longValue + "\n", "zelk", "x", longValue},
    };
    for (const GetCase& c : cases) {
        EXPECT_EQ(IniDocument::Parse(c.text).Get(c.section, c.key), c.expected) << c.what;
    }
}

struct SetCase {
    const char* what;
    std::string before;
    std::string section;
    std::string key;
    std::string value;
    std::string after;
};

TEST(IniDocument, SetEditsOnlyWhatItMust)
{
    const SetCase cases[] = {
        {"replaces in place, all else kept", "; head\n[a]\nx=1\n[zelk]\n;c\ntempo=1\nvol=2\n\n[b]\ny=2\n", "zelk",
         "tempo", "120", "; head\n[a]\nx=1\n[zelk]\n;c\ntempo=120\nvol=2\n\n[b]\ny=2\n"},
        {"keeps the key's spelling and blanks before a value", "[ZELK]\n  Tempo = 1  \n", "zelk", "tempo", "2",
         "[ZELK]\n  Tempo = 2\n"},
        {"fills an empty value", "[zelk]\ntempo=\n", "zelk", "tempo", "5", "[zelk]\ntempo=5\n"},
        {"appends after the section's last key, before blank lines and comments",
         "[zelk]\na=1\nnote\n\n; about b\n[b]\nc=1\n", "zelk", "x", "5",
         "[zelk]\na=1\nx=5\nnote\n\n; about b\n[b]\nc=1\n"},
        {"section without keys gets the key after its header", "[zelk]\n\n[b]\n", "zelk", "x", "5",
         "[zelk]\nx=5\n\n[b]\n"},
        {"missing section is appended at the end", "[b]\nc=1\n", "zelk", "x", "5", "[b]\nc=1\n[zelk]\nx=5\n"},
        {"empty text", "", "zelk", "x", "5", "[zelk]\nx=5\n"},
        {"no final newline, new section", "[b]\nc=1", "zelk", "x", "5", "[b]\nc=1\n[zelk]\nx=5\n"},
        {"no final newline, key appended to the last line", "[zelk]\na=1", "zelk", "x", "5", "[zelk]\na=1\nx=5\n"},
        {"no final newline, in-place edit keeps it so", "[zelk]\na=1", "zelk", "a", "2", "[zelk]\na=2"},
        {"CRLF file gets CRLF lines", "[zelk]\r\na=1\r\n", "zelk", "x", "5", "[zelk]\r\na=1\r\nx=5\r\n"},
        {"CRLF file gets a CRLF section", "[b]\r\nc=1", "zelk", "x", "5", "[b]\r\nc=1\r\n[zelk]\r\nx=5\r\n"},
        {"CRLF in-place edit", "[zelk]\r\na=1\r\n", "zelk", "a", "2", "[zelk]\r\na=2\r\n"},
        {"byte-order mark stays in front", kBom, "zelk", "x", "5", kBom + "[zelk]\nx=5\n"},
        {"byte-order mark with in-place edit", kBom + "[zelk]\na=1\n", "zelk", "a", "2", kBom + "[zelk]\na=2\n"},
        {"first of duplicate sections is written", "[zelk]\na=1\n[zelk]\nx=1\n", "zelk", "x", "5",
         "[zelk]\na=1\nx=5\n[zelk]\nx=1\n"},
        {"first of duplicate keys is written", "[zelk]\nx=1\nx=2\n", "zelk", "x", "5", "[zelk]\nx=5\nx=2\n"},
        {"line without '=' stays, key is added", "[zelk]\nx\n", "zelk", "x", "5", "[zelk]\nx=5\nx\n"},
        {"key before any section stays", "x=1\n", "zelk", "x", "5", "x=1\n[zelk]\nx=5\n"},
        {"value written verbatim", "", "zelk", "x", " 'a b'=; ", "[zelk]\nx= 'a b'=; \n"},
        {"caller's names are trimmed", "", " zelk ", " x\t", "5", "[zelk]\nx=5\n"},
        {"garbage lines survive", "\0\xff\n[zelk]\n\x01\x02\n"s, "zelk", "x", "5", "\0\xff\n[zelk]\nx=5\n\x01\x02\n"s},
    };
    for (const SetCase& c : cases) {
        IniDocument doc = IniDocument::Parse(c.before);
        EXPECT_EQ(doc.Set(c.section, c.key, c.value), IniDocument::SetResult::Changed) << c.what;
        EXPECT_EQ(doc.Serialize(), c.after) << c.what;
        EXPECT_EQ(IniDocument::Parse(doc.Serialize()).Get(c.section, c.key), std::string(TrimBlanks(c.value)))
            << c.what;
    }
}

TEST(IniDocument, SetOfTheSameValueChangesNothing)
{
    IniDocument doc = IniDocument::Parse("[zelk]\r\ntempo = 120 \r\n");
    EXPECT_EQ(doc.Set("zelk", "tempo", "120"), IniDocument::SetResult::Changed);  // trailing blank goes
    EXPECT_EQ(doc.Set("zelk", "tempo", "120"), IniDocument::SetResult::Unchanged);
    EXPECT_EQ(doc.Serialize(), "[zelk]\r\ntempo = 120\r\n");
}

TEST(IniDocument, WritesThatCouldInjectLinesAreRefused)
{
    struct Case {
        std::string section, key, value;
    };
    const Case cases[] = {
        {"zelk", "tempo", "1\n[evil]\nx=1"},
        {"zelk", "tempo", "1\r"},
        {"zelk", "tempo", "1\0002"s},
        {"zelk", "a\nb", "1"},
        {"zelk", "a\0b"s, "1"},
        {"ze\nlk", "tempo", "1"},
        {"ze\rlk", "tempo", "1"},
        {"zelk", "", "1"},
        {"zelk", " \t ", "1"},
        {"zelk", "a=b", "1"},
        {"zelk", "[x]", "1"},
        {"zelk", ";x", "1"},
    };
    const std::string text = "[zelk]\ntempo=120\n";
    for (const Case& c : cases) {
        IniDocument doc = IniDocument::Parse(text);
        EXPECT_FALSE(IniDocument::IsWritable(c.section, c.key, c.value)) << testing::PrintToString(c.key);
        EXPECT_EQ(doc.Set(c.section, c.key, c.value), IniDocument::SetResult::Refused)
            << testing::PrintToString(c.section) << " " << testing::PrintToString(c.key) << " "
            << testing::PrintToString(c.value);
        EXPECT_EQ(doc.Serialize(), text);
    }
}

TEST(IniDocument, OddSectionNamesReadBackAsWritten)
{
    for (const std::string section : {"a]b", "[x", "", "; not a comment", "a=b"}) {
        IniDocument doc = IniDocument::Parse("[other]\nk=0\n");
        ASSERT_EQ(doc.Set(section, "k", "1"), IniDocument::SetResult::Changed) << section;
        const IniDocument reread = IniDocument::Parse(doc.Serialize());
        EXPECT_EQ(reread.Get(section, "k"), "1") << section;
        EXPECT_EQ(reread.Get("other", "k"), "0") << section;
    }
}

TEST(IniDocument, LargeTextIsParsedAndEdited)
{
    std::string text;
    for (int i = 0; i < 200000; ++i) text += "[s" + std::to_string(i) + "]\nkey=" + std::string(20, 'x') + "\n";
    text += "[zelk]\r\ntempo=90";
    ASSERT_GT(text.size(), 5u * 1024 * 1024);
    IniDocument doc = IniDocument::Parse(text);
    EXPECT_EQ(doc.Serialize(), text);
    EXPECT_EQ(doc.Get("zelk", "tempo"), "90");
    EXPECT_EQ(doc.Get("s123456", "key"), std::string(20, 'x'));
    ASSERT_EQ(doc.Set("zelk", "volume", "100"), IniDocument::SetResult::Changed);
    EXPECT_EQ(doc.Serialize(), text + "\nvolume=100\n");  // the text's first line ending is LF
}

TEST(ParseProfileInt, ReadsLikeTheIntegerReader)
{
    const struct {
        const char* text;
        int expected;
    } cases[] = {
        {"120", 120},
        {"-1", -1},
        {"+7", 7},
        {"  \t42", 42},
        {"12abc", 12},
        {"3 4", 3},
        {"abc", 0},
        {"-", 0},
        {"- 5", 0},
        {"0x10", 0},
        {"007", 7},
        {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},
        {"99999999999999999999999999", INT_MAX},
        {"-2147483648", INT_MIN},
        {"-2147483649", INT_MIN},
        {"-99999999999999999999999999", INT_MIN},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseProfileInt(c.text), c.expected) << c.text;
}

TEST(CutToBufferSize, KeepsAtMostOneCharacterLessThanTheBuffer)
{
    const std::string text(2000, 'a');
    EXPECT_EQ(CutToBufferSize(text, 1024), std::string(1023, 'a'));
    EXPECT_EQ(CutToBufferSize("0 1 2", 1024), "0 1 2");
    EXPECT_EQ(CutToBufferSize("abc", 3), "ab");
    EXPECT_EQ(CutToBufferSize("abc", 1), "");
    EXPECT_EQ(CutToBufferSize("abc", 0), "");
}

}  // namespace
}  // namespace sonnavet
