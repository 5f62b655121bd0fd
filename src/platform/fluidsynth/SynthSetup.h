#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <fluidsynth.h>

namespace sonnavet {

constexpr double kSynthSampleRate = 44100.0;

// The soundfonts to try, in order: `preferred` (the user's choice, skipped when
// empty), then the General MIDI soundfonts that Debian installs.
std::vector<std::string> SoundFontCandidates(const std::string& preferred);

// The first candidate that exists as a regular file.
std::optional<std::string> FirstExistingFile(const std::vector<std::string>& candidates);

// A quick check that the file can be read and starts like a soundfont (a RIFF
// chunk of form "sfbk"), so a wrong file fails at once and not later on the
// loading thread.
bool LooksLikeSoundFont(const std::string& path);

// Keeps FluidSynth's informational and warning messages quiet; errors go to
// stderr. Affects the whole process; safe to call more than once.
void QuietFluidSynthLog();

// While one exists, FluidSynth's error messages are dropped too: used while
// trying audio drivers one after another, where a failure is expected.
class MutedFluidSynthErrors {
public:
    MutedFluidSynthErrors();
    ~MutedFluidSynthErrors();
    MutedFluidSynthErrors(const MutedFluidSynthErrors&) = delete;
    MutedFluidSynthErrors& operator=(const MutedFluidSynthErrors&) = delete;
};

struct FluidSettingsDeleter {
    void operator()(fluid_settings_t* settings) const { delete_fluid_settings(settings); }
};
struct FluidSynthDeleter {
    void operator()(fluid_synth_t* synth) const { delete_fluid_synth(synth); }
};
struct FluidAudioDriverDeleter {
    void operator()(fluid_audio_driver_t* driver) const { delete_fluid_audio_driver(driver); }
};
using FluidSettingsPtr = std::unique_ptr<fluid_settings_t, FluidSettingsDeleter>;
using FluidSynthPtr = std::unique_ptr<fluid_synth_t, FluidSynthDeleter>;
using FluidAudioDriverPtr = std::unique_ptr<fluid_audio_driver_t, FluidAudioDriverDeleter>;

// Settings for a small, cheap synthesizer: samples are read only for the
// instruments in use, no chorus or reverb (they cost CPU even in silence),
// modest polyphony.
FluidSettingsPtr NewSynthSettings();

// A synthesizer on `settings` with every channel melodic (the program plays
// melodic instruments only, channel 9 included). Null on failure.
FluidSynthPtr NewSynth(fluid_settings_t* settings);

// Loads the soundfont without selecting any preset. Returns false on failure.
bool LoadSoundFont(fluid_synth_t* synth, const std::string& path);

}  // namespace sonnavet
