#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <thread>

#include <unistd.h>

#include "tests/fluidsynth/AudioAnalysis.h"
#include "platform/MidiOut.h"
#include "platform/fluidsynth/FluidSynthDevice.h"
#include "platform/fluidsynth/FluidSynthMidiOut.h"

namespace sonnavet {
namespace {

// Sets (or, with nullopt, unsets) an environment variable for one test and
// puts the old value back afterwards.
class ScopedEnv {
public:
    ScopedEnv(const char* name, std::optional<std::string> value) : name(name)
    {
        if (const char* old = std::getenv(name)) previous = old;
        if (value)
            setenv(name, value->c_str(), 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv()
    {
        if (previous)
            setenv(name, previous->c_str(), 1);
        else
            unsetenv(name);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    const char* name;
    std::optional<std::string> previous;
};

class TempPath {
public:
    // The process id keeps test processes that ctest runs side by side apart.
    explicit TempPath(const std::string& name) : path(::testing::TempDir() + std::to_string(getpid()) + "-" + name)
    {
        std::remove(path.c_str());
    }
    ~TempPath() { std::remove(path.c_str()); }
    const std::string path;
};

const std::string kFluidR3 = "/usr/share/sounds/sf2/FluidR3_GM.sf2";
// Something that is surely not the handle Open would store.
const HMIDIOUT kUntouched = reinterpret_cast<HMIDIOUT>(static_cast<std::uintptr_t>(0x5A5A));

struct OpenFailureCase {
    const char* name;
    std::optional<std::string> soundFont;  // content of a temporary soundfont file; nullopt: FluidR3
    const char* driver;
    int deviceId;
};

class OpenFailureTest : public ::testing::TestWithParam<OpenFailureCase> {};

TEST_P(OpenFailureTest, FailsAndLeavesTheHandleAsItWas)
{
    const OpenFailureCase& c = GetParam();
    TempPath font("open-failure.sf2");
    if (c.soundFont) std::ofstream(font.path, std::ios::binary) << *c.soundFont;
    TempPath out("open-failure.wav");
    ScopedEnv soundFont("SONNAVET_SOUNDFONT", c.soundFont ? font.path : kFluidR3);
    ScopedEnv driver("SONNAVET_AUDIO_DRIVER", std::string(c.driver));
    ScopedEnv file("SONNAVET_AUDIO_FILE", out.path);

    FluidSynthMidiOut midi;
    HMIDIOUT handle = kUntouched;
    EXPECT_NE(midi.Open(&handle, c.deviceId), kMmSysErrNoError);
    EXPECT_EQ(handle, kUntouched);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OpenFailureTest,
    ::testing::Values(OpenFailureCase{"NegativeDevice", std::nullopt, "file", -1},
                      OpenFailureCase{"GarbageSoundFont", std::string("not a soundfont, just text"), "file", 0},
                      OpenFailureCase{"EmptySoundFont", std::string(), "file", 0},
                      OpenFailureCase{"BogusDriver", std::nullopt, "no-such-driver", 0}),
    [](const ::testing::TestParamInfo<OpenFailureCase>& info) { return std::string(info.param.name); });

TEST(FluidSynthMidiOut, DeviceOneIsABadDeviceId)
{
    ScopedEnv soundFont("SONNAVET_SOUNDFONT", kFluidR3);
    ScopedEnv driver("SONNAVET_AUDIO_DRIVER", std::string("file"));
    FluidSynthMidiOut midi;
    HMIDIOUT handle = kUntouched;
    EXPECT_EQ(midi.Open(&handle, 1), kMmSysErrBadDeviceId);
    EXPECT_EQ(handle, kUntouched);
}

TEST(FluidSynthMidiOut, AudioDriversTheRequestedOneOnlyElseTheDesktopOnesInOrder)
{
    EXPECT_EQ(FluidSynthMidiOut::AudioDriverCandidates(""),
              (std::vector<std::string>{"pulseaudio", "alsa", "sdl2"}));
    EXPECT_EQ(FluidSynthMidiOut::AudioDriverCandidates("jack"), std::vector<std::string>{"jack"});
}

// Plays a guitar note through the "file" driver, which renders in real time,
// and returns what it wrote.
test::WavFile PlayIntoFile(const std::string& fileName, const std::string& soundFont)
{
    TempPath out(fileName);
    ScopedEnv font("SONNAVET_SOUNDFONT", soundFont);
    ScopedEnv driver("SONNAVET_AUDIO_DRIVER", std::string("file"));
    ScopedEnv file("SONNAVET_AUDIO_FILE", out.path);

    FluidSynthMidiOut midi;
    HMIDIOUT handle = nullptr;
    test::WavFile wav;
    EXPECT_EQ(midi.Open(&handle, 0), kMmSysErrNoError);
    if (!handle) return wav;
    handle->ShortMsg(PackShortMsg(0xC1, 24, 0));
    handle->ShortMsg(PackShortMsg(0x91, 40, 100));
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    handle->ShortMsg(PackShortMsg(0x81, 40, 100));
    midi.Close(handle);
    EXPECT_TRUE(test::ReadWav(out.path, &wav)) << out.path << " is not a 16-bit PCM WAV file";
    return wav;
}

TEST(FluidSynthMidiOut, FileDriverRecordsTheNote)
{
    const test::WavFile wav = PlayIntoFile("note.wav", kFluidR3);
    EXPECT_EQ(wav.channels, 2);
    EXPECT_EQ(wav.sampleRate, 44100);
    ASSERT_GT(wav.samples.size(), 2u * 44100 / 10) << "less than 0.1 s written";
    EXPECT_GT(test::Rms(wav.samples), 0.005);
}

TEST(FluidSynthMidiOut, FileDriverWritesWavForAnUnknownExtension)
{
    const test::WavFile wav = PlayIntoFile("note.sound", kFluidR3);
    EXPECT_EQ(wav.channels, 2);
    EXPECT_GT(test::Rms(wav.samples), 0.005);
}

TEST(FluidSynthMidiOut, SoundFontThatFailsToLoadIsReportedOnStderr)
{
    // The header passes the quick check at Open; the real load fails later.
    TempPath font("header-only.sf2");
    std::ofstream(font.path, std::ios::binary) << std::string("RIFF\x04\0\0\0sfbk", 12);
    TempPath out("header-only.wav");
    ScopedEnv soundFont("SONNAVET_SOUNDFONT", font.path);
    ScopedEnv driver("SONNAVET_AUDIO_DRIVER", std::string("file"));
    ScopedEnv file("SONNAVET_AUDIO_FILE", out.path);

    FluidSynthMidiOut midi;
    HMIDIOUT handle = nullptr;
    // The loading thread may report before Open returns.
    ::testing::internal::CaptureStderr();
    const int result = midi.Open(&handle, 0);
    if (result != kMmSysErrNoError) {
        ::testing::internal::GetCapturedStderr();
        FAIL() << "Open failed: " << result;
    }
    const bool loaded = static_cast<FluidSynthDevice*>(handle)->WaitForSoundFont();
    handle->ShortMsg(PackShortMsg(0x91, 40, 100));  // must neither hang nor crash
    midi.Close(handle);
    const std::string errors = ::testing::internal::GetCapturedStderr();

    EXPECT_FALSE(loaded);
    EXPECT_NE(errors.find("sonnavet: cannot load the soundfont " + font.path), std::string::npos) << errors;
}

TEST(FluidSynthMidiOut, OpensAgainAfterClose)
{
    TempPath out("reopen.wav");
    ScopedEnv soundFont("SONNAVET_SOUNDFONT", kFluidR3);
    ScopedEnv driver("SONNAVET_AUDIO_DRIVER", std::string("file"));
    ScopedEnv file("SONNAVET_AUDIO_FILE", out.path);

    FluidSynthMidiOut midi;
    for (int round = 0; round < 2; ++round) {
        HMIDIOUT handle = nullptr;
        ASSERT_EQ(midi.Open(&handle, 0), kMmSysErrNoError);
        ASSERT_NE(handle, nullptr);
        EXPECT_TRUE(static_cast<FluidSynthDevice*>(handle)->WaitForSoundFont());
        midi.Close(handle);
    }
}

}  // namespace
}  // namespace sonnavet
