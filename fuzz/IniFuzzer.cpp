// Parses random bytes as an INI text, edits it and checks that the document
// keeps its promises: untouched text serializes unchanged, a written key reads
// back, nothing else changes, and the in-memory document agrees with its text.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/profile/IniDocument.h"

using sonnavet::IniDocument;

namespace {

void Check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

std::string Folded(std::string_view name)
{
    std::string out(sonnavet::TrimBlanks(name));
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

std::string PickName(FuzzedDataProvider& data, const std::vector<std::string>& common)
{
    const std::uint8_t choice = data.ConsumeIntegral<std::uint8_t>();
    if (choice < 2 * common.size()) return common[choice % common.size()];
    return data.ConsumeRandomLengthString(12);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const std::string text = data.ConsumeRandomLengthString(4096);

    IniDocument doc = IniDocument::Parse(text);
    Check(doc.Serialize() == text, "serialize(parse(x)) == x");

    const std::vector<std::string> sections = {"zelk", "ZELK", " zelk ", "a", ""};
    const std::vector<std::string> keys = {"tempo", "Tempo", "x", "k", " x\t"};
    std::vector<std::pair<std::string, std::string>> probes;
    for (const std::string& s : sections) {
        for (const std::string& k : keys) probes.emplace_back(s, k);
    }

    for (int step = 0; step < 8 && data.remaining_bytes() > 0; ++step) {
        const std::string section = PickName(data, sections);
        const std::string key = PickName(data, keys);
        const std::string value = data.ConsumeRandomLengthString(24);
        probes.emplace_back(section, key);

        std::vector<std::optional<std::string>> before;
        for (const auto& [s, k] : probes) before.push_back(doc.Get(s, k));
        const std::string oldText = doc.Serialize();

        const IniDocument::SetResult result = doc.Set(section, key, value);
        const std::string newText = doc.Serialize();
        Check((result == IniDocument::SetResult::Refused) == !IniDocument::IsWritable(section, key, value),
              "Set refuses exactly what IsWritable rejects");
        if (result != IniDocument::SetResult::Changed) {
            Check(newText == oldText, "a refused or unchanged Set leaves the text");
        }
        if (result == IniDocument::SetResult::Refused) continue;

        const std::string expected(sonnavet::TrimBlanks(value));
        const IniDocument reparsed = IniDocument::Parse(newText);
        Check(reparsed.Serialize() == newText, "an edited text round-trips");
        Check(doc.Get(section, key) == expected, "after Set(s,k,v), Get(s,k) == v");
        Check(reparsed.Get(section, key) == expected, "the written text reads back the value");
        for (std::size_t i = 0; i < probes.size(); ++i) {
            const auto& [s, k] = probes[i];
            const std::optional<std::string> now = doc.Get(s, k);
            Check(now == reparsed.Get(s, k), "the document agrees with its text");
            const bool same = Folded(s) == Folded(section) && Folded(k) == Folded(key);
            if (!same) Check(now == before[i], "other keys keep their values");
        }
        // The integer reader and the buffer cut must be safe on any value.
        (void)sonnavet::ParseProfileInt(value);
        Check(sonnavet::CutToBufferSize(value, 8).size() <= 7, "cut to the buffer");
    }
    return 0;
}
