#include "platform/fluidsynth/SynthSetup.h"

#include <array>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <system_error>

namespace sonnavet {

namespace {

constexpr int kPolyphony = 32;
// FluidSynth applies a message at the start of the next block it renders; with
// one 64-frame block per audio period a note is at most 1.45 ms late. Larger
// periods would wake the audio thread less often but let messages bunch up.
constexpr int kPeriodFrames = 64;
constexpr int kDrumChannel = 9;

std::atomic<int> errorMutes{0};

void LogToStderr(int level, const char* message, void*)
{
    if (level != FLUID_PANIC && errorMutes.load() > 0) return;
    std::fprintf(stderr, "fluidsynth: %s: %s\n", level == FLUID_PANIC ? "panic" : "error", message);
}

}  // namespace

std::vector<std::string> SoundFontCandidates(const std::string& preferred)
{
    std::vector<std::string> candidates;
    if (!preferred.empty()) candidates.push_back(preferred);
    candidates.insert(candidates.end(), {"/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf2/FluidR3_GM.sf2",
                                         "/usr/share/sounds/sf2/TimGM6mb.sf2"});
    return candidates;
}

std::optional<std::string> FirstExistingFile(const std::vector<std::string>& candidates)
{
    for (const auto& path : candidates) {
        std::error_code error;
        if (std::filesystem::is_regular_file(path, error)) return path;
    }
    return std::nullopt;
}

bool LooksLikeSoundFont(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::array<char, 12> header{};
    if (!file.read(header.data(), header.size())) return false;
    return std::memcmp(header.data(), "RIFF", 4) == 0 && std::memcmp(header.data() + 8, "sfbk", 4) == 0;
}

void QuietFluidSynthLog()
{
    static std::once_flag once;
    std::call_once(once, [] {
        fluid_set_log_function(FLUID_PANIC, LogToStderr, nullptr);
        fluid_set_log_function(FLUID_ERR, LogToStderr, nullptr);
        fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
        fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
        fluid_set_log_function(FLUID_DBG, nullptr, nullptr);
    });
}

MutedFluidSynthErrors::MutedFluidSynthErrors()
{
    ++errorMutes;
}

MutedFluidSynthErrors::~MutedFluidSynthErrors()
{
    --errorMutes;
}

FluidSettingsPtr NewSynthSettings()
{
    FluidSettingsPtr settings(new_fluid_settings());
    if (!settings) return settings;
    fluid_settings_setnum(settings.get(), "synth.sample-rate", kSynthSampleRate);
    fluid_settings_setint(settings.get(), "synth.polyphony", kPolyphony);
    fluid_settings_setint(settings.get(), "audio.period-size", kPeriodFrames);
    fluid_settings_setint(settings.get(), "synth.dynamic-sample-loading", 1);
    fluid_settings_setint(settings.get(), "synth.reverb.active", 0);
    fluid_settings_setint(settings.get(), "synth.chorus.active", 0);
    return settings;
}

FluidSynthPtr NewSynth(fluid_settings_t* settings)
{
    FluidSynthPtr synth(new_fluid_synth(settings));
    if (synth) {
        // The channel type alone keeps the drum bank that channel 9 starts with.
        fluid_synth_set_channel_type(synth.get(), kDrumChannel, CHANNEL_TYPE_MELODIC);
        fluid_synth_bank_select(synth.get(), kDrumChannel, 0);
    }
    return synth;
}

bool LoadSoundFont(fluid_synth_t* synth, const std::string& path)
{
    return fluid_synth_sfload(synth, path.c_str(), 0) != FLUID_FAILED;
}

}  // namespace sonnavet
