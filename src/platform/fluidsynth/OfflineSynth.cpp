#include "platform/fluidsynth/OfflineSynth.h"

namespace sonnavet {

std::unique_ptr<OfflineSynth> OfflineSynth::Create(const std::string& soundFontPath)
{
    QuietFluidSynthLog();
    FluidSettingsPtr settings = NewSynthSettings();
    if (!settings) return nullptr;
    FluidSynthPtr synth = NewSynth(settings.get());
    if (!synth || !LooksLikeSoundFont(soundFontPath) || !LoadSoundFont(synth.get(), soundFontPath)) return nullptr;
    return std::unique_ptr<OfflineSynth>(new OfflineSynth(std::move(settings), std::move(synth)));
}

OfflineSynth::OfflineSynth(FluidSettingsPtr settings, FluidSynthPtr synth)
    : settings(std::move(settings)), synth(std::move(synth)), input(this->synth.get())
{
}

void OfflineSynth::ShortMsg(std::uint32_t message)
{
    input.Send(message);
}

std::vector<float> OfflineSynth::Render(int frames)
{
    std::vector<float> samples(2 * static_cast<std::size_t>(frames > 0 ? frames : 0));
    if (frames > 0) fluid_synth_write_float(synth.get(), frames, samples.data(), 0, 2, samples.data(), 1, 2);
    return samples;
}

}  // namespace sonnavet
