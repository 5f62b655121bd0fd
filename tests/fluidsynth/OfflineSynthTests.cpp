#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#include <unistd.h>

#include "tests/fluidsynth/AudioAnalysis.h"
#include "platform/MidiOut.h"
#include "platform/fluidsynth/OfflineSynth.h"
#include "platform/fluidsynth/SynthSetup.h"

namespace sonnavet {
namespace {

using test::EstimatePitch;
using test::Mono;
using test::Rms;

const std::string kFluidR3 = "/usr/share/sounds/sf2/FluidR3_GM.sf2";
constexpr int kRate = OfflineSynth::kSampleRate;
constexpr int kNylonGuitar = 24;
constexpr int kBlock = 64;  // FluidSynth applies messages between blocks of this size

// Frames in `seconds`, rounded to whole blocks so that a message sent between
// two renders takes effect at the start of the next one.
int Frames(double seconds)
{
    return static_cast<int>(seconds * kRate) / kBlock * kBlock;
}

std::uint32_t ProgramChange(int channel, int program)
{
    return PackShortMsg(static_cast<std::uint8_t>(0xC0 + channel), static_cast<std::uint8_t>(program), 0);
}
std::uint32_t NoteOn(int channel, int note, int velocity)
{
    return PackShortMsg(static_cast<std::uint8_t>(0x90 + channel), static_cast<std::uint8_t>(note),
                        static_cast<std::uint8_t>(velocity));
}
std::uint32_t NoteOff(int channel, int note)
{
    return PackShortMsg(static_cast<std::uint8_t>(0x80 + channel), static_cast<std::uint8_t>(note), 0);
}

class OfflineSynthTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        synth = OfflineSynth::Create(kFluidR3);
        ASSERT_NE(synth, nullptr) << "needs " << kFluidR3 << " (Debian fluid-soundfont-gm)";
    }

    std::vector<float> Listen(double seconds) { return Mono(synth->Render(Frames(seconds))); }

    std::unique_ptr<OfflineSynth> synth;
};

TEST_F(OfflineSynthTest, SilentUntilTheNoteOnThenSoundsUntilTheNoteOff)
{
    synth->ShortMsg(ProgramChange(1, kNylonGuitar));
    const auto before = Listen(0.3);
    synth->ShortMsg(NoteOn(1, 40, 100));
    const auto during = Listen(0.6);
    synth->ShortMsg(NoteOff(1, 40));
    Listen(1.0);
    const auto later = Listen(0.3);

    EXPECT_LT(Rms(before), 1e-6);
    // Sound starts with the first block after the note-on.
    EXPECT_GT(Rms(during, 0, kBlock * 4), 1e-4);
    EXPECT_GT(Rms(during), 0.01);
    EXPECT_LT(Rms(later), Rms(during) * 0.01);
}

// How the note that is sounding ends, told by the level right after the
// message and one second later, relative to the level while it sounded.
struct EndingCase {
    const char* name;
    std::uint32_t message;
    bool cutAtOnce;       // silent within 10 ms
    bool quietAfterASecond;  // below 1/100 of the level while sounding
};

class NoteEndingTest : public OfflineSynthTest, public ::testing::WithParamInterface<EndingCase> {};

TEST_P(NoteEndingTest, EndsTheNoteAsMidiSays)
{
    const EndingCase& c = GetParam();
    synth->ShortMsg(ProgramChange(1, kNylonGuitar));
    synth->ShortMsg(NoteOn(1, 40, 100));
    const double sounding = Rms(Listen(0.6));
    synth->ShortMsg(c.message);
    const auto next = Listen(0.01);
    Listen(1.0);
    const double aSecondLater = Rms(Listen(0.2));

    ASSERT_GT(sounding, 0.01);
    if (c.cutAtOnce)
        EXPECT_LT(Rms(next), 1e-5);
    else
        EXPECT_GT(Rms(next), sounding * 0.1) << "a release, not a cut";
    if (c.quietAfterASecond)
        EXPECT_LT(aSecondLater, sounding * 0.01);
    else
        EXPECT_GT(aSecondLater, sounding * 0.01);
}

INSTANTIATE_TEST_SUITE_P(
    Messages, NoteEndingTest,
    ::testing::Values(EndingCase{"NoteOff", NoteOff(1, 40), false, true},
                      EndingCase{"NoteOnVelocityZero", NoteOn(1, 40, 0), false, true},
                      EndingCase{"AllSoundOff", PackShortMsg(0xB1, 120, 0), true, true},
                      EndingCase{"AllSoundOffOtherChannel", PackShortMsg(0xB2, 120, 0), false, false},
                      EndingCase{"NoteOffOtherNote", NoteOff(1, 41), false, false},
                      EndingCase{"PolyPressureIgnored", PackShortMsg(0xA1, 40, 0), false, false}),
    [](const ::testing::TestParamInfo<EndingCase>& info) { return std::string(info.param.name); });

struct PitchCase {
    const char* name;
    int channel;
    int program;  // -1: no program change before the note
    int note;
    double hertz;
};

class PitchTest : public OfflineSynthTest, public ::testing::WithParamInterface<PitchCase> {};

TEST_P(PitchTest, SoundsAtTheNotesFrequency)
{
    const PitchCase& c = GetParam();
    if (c.program >= 0) synth->ShortMsg(ProgramChange(c.channel, c.program));
    synth->ShortMsg(NoteOn(c.channel, c.note, 100));
    Listen(0.1);  // past the attack
    const auto steady = Listen(0.3);

    ASSERT_GT(Rms(steady), 0.002);
    EXPECT_NEAR(EstimatePitch(steady, kRate), c.hertz, c.hertz * 0.03);
}

INSTANTIATE_TEST_SUITE_P(
    Notes, PitchTest,
    ::testing::Values(PitchCase{"LowEGuitar", 1, kNylonGuitar, 40, 82.41},
                      PitchCase{"HighEGuitar", 1, kNylonGuitar, 64, 329.63},
                      PitchCase{"AGuitarChannel2", 2, kNylonGuitar, 45, 110.0},
                      // Channel 9 is melodic here, not the General MIDI drum kit.
                      PitchCase{"Channel9IsMelodic", 9, kNylonGuitar, 40, 82.41},
                      // Without a program change a channel plays the piano.
                      PitchCase{"PianoWithoutProgramChange", 3, -1, 64, 329.63}),
    [](const ::testing::TestParamInfo<PitchCase>& info) { return std::string(info.param.name); });

TEST_F(OfflineSynthTest, IgnoresPitchBend)
{
    synth->ShortMsg(ProgramChange(1, kNylonGuitar));
    synth->ShortMsg(PackShortMsg(0xE1, 0x7F, 0x7F));  // full bend up, if it were obeyed
    synth->ShortMsg(NoteOn(1, 64, 100));
    Listen(0.1);
    EXPECT_NEAR(EstimatePitch(Listen(0.3), kRate), 329.63, 329.63 * 0.03);
}

TEST_F(OfflineSynthTest, ProgramChangeSwitchesTheInstrument)
{
    // The same note on two programs must differ in sound: the woodblock click
    // dies away within half a second, the guitar does not.
    synth->ShortMsg(ProgramChange(0, 115));
    synth->ShortMsg(NoteOn(0, 76, 100));
    const double woodblockStart = Rms(Listen(0.1));
    const double woodblockLater = Rms(Listen(0.5));
    synth->ShortMsg(ProgramChange(1, kNylonGuitar));
    synth->ShortMsg(NoteOn(1, 76, 100));
    const double guitarStart = Rms(Listen(0.1));
    const double guitarLater = Rms(Listen(0.5));

    ASSERT_GT(woodblockStart, 0.005);
    ASSERT_GT(guitarStart, 0.005);
    EXPECT_LT(woodblockLater, woodblockStart * 0.05);
    EXPECT_GT(guitarLater, guitarStart * 0.05);
}

class TempFile {
public:
    // The process id keeps test processes that ctest runs side by side apart.
    TempFile(const std::string& name, const std::string& content)
        : path(::testing::TempDir() + std::to_string(getpid()) + "-" + name)
    {
        std::ofstream(path, std::ios::binary) << content;
    }
    ~TempFile() { std::remove(path.c_str()); }
    const std::string path;
};

TEST(SoundFontFiles, RecognisesSoundFontsByTheirHeader)
{
    TempFile garbage("garbage.sf2", "this is not a soundfont at all");
    TempFile wave("wave.sf2", std::string("RIFF\x24\0\0\0WAVEfmt ", 16));
    TempFile truncated("truncated.sf2", "RIFF");
    TempFile headerOnly("header-only.sf2", std::string("RIFF\x04\0\0\0sfbk", 12));

    EXPECT_TRUE(LooksLikeSoundFont(kFluidR3));
    EXPECT_TRUE(LooksLikeSoundFont(headerOnly.path));
    EXPECT_FALSE(LooksLikeSoundFont(garbage.path));
    EXPECT_FALSE(LooksLikeSoundFont(wave.path));
    EXPECT_FALSE(LooksLikeSoundFont(truncated.path));
    EXPECT_FALSE(LooksLikeSoundFont(::testing::TempDir() + "missing.sf2"));
    EXPECT_FALSE(LooksLikeSoundFont(::testing::TempDir()));
}

TEST(SoundFontFiles, OfflineSynthRefusesWhatDoesNotLoad)
{
    TempFile garbage("garbage.sf2", "this is not a soundfont at all");
    TempFile headerOnly("header-only.sf2", std::string("RIFF\x04\0\0\0sfbk", 12));

    EXPECT_EQ(OfflineSynth::Create(garbage.path), nullptr);
    EXPECT_EQ(OfflineSynth::Create(headerOnly.path), nullptr);
    EXPECT_EQ(OfflineSynth::Create(::testing::TempDir() + "missing.sf2"), nullptr);
}

TEST(SoundFontCandidates, UserChoiceFirstThenTheSystemsGeneralMidiFonts)
{
    const std::vector<std::string> defaults = {"/usr/share/sounds/sf2/default-GM.sf2",
                                               "/usr/share/sounds/sf2/FluidR3_GM.sf2",
                                               "/usr/share/sounds/sf2/TimGM6mb.sf2"};
    EXPECT_EQ(SoundFontCandidates(""), defaults);
    auto withUser = defaults;
    withUser.insert(withUser.begin(), "/home/me/my.sf2");
    EXPECT_EQ(SoundFontCandidates("/home/me/my.sf2"), withUser);
}

TEST(SoundFontCandidates, PicksTheFirstRegularFileThatExists)
{
    TempFile first("first.sf2", "x");
    TempFile second("second.sf2", "y");
    const std::string missing = ::testing::TempDir() + "missing.sf2";
    const std::string directory = ::testing::TempDir();

    EXPECT_EQ(FirstExistingFile({missing, directory, first.path, second.path}), first.path);
    EXPECT_EQ(FirstExistingFile({second.path, first.path}), second.path);
    EXPECT_EQ(FirstExistingFile({missing, directory}), std::nullopt);
    EXPECT_EQ(FirstExistingFile({}), std::nullopt);
}

}  // namespace
}  // namespace sonnavet
