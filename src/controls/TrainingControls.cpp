#include "controls/TrainingControls.h"

#include <cstdio>

#include "midi/CMidiSequencer.h"
#include "resources/ResourceIds.h"

namespace sonnavet {

const std::array<const char*, kInstrumentCount> kInstrumentNames{
    "Acoustic Grand", "Bright Acoustic", "Electric Grand", "Honky-Tonk", "Electric Piano 1", "Electric Piano 2",
    "Harpsichord", "Clav", "Celesta", "Glockenspiel", "Music Box", "Vibraphone", "Marimba", "Xylophone",
    "Tubular Bells", "Dulcimer", "Drawbar Organ", "Percussive Organ", "Rock Organ", "Church Organ", "Reed Organ",
    "Accordion", "Harmonica", "Tango Accordian", "Acoustic Guitar(nylon)", "Acoustic Guitar(steel)",
    "Electric Guitar(jazz)", "Electric Guitar(clean)", "Electric Guitar(muted)", "Overdriven Guitar",
    "Distortion Guitar", "Guitar Harmonics", "Acoustic Bass", "Electric Bass (finger)", "Electric Bass (pick)",
    "Fretless Bass", "Slap Bass 1", "Slap Bass 2", "Synth Bass 1", "Synth Bass 2", "Violin", "Viola", "Cello",
    "Contrabass", "Tremolo Strings", "Pizzicato Strings", "Orchestral Strings", "Timpani", "String Ensemble 1",
    "String Ensemble 2", "SynthStrings 1", "SynthStrings 2", "Choir Aahs", "Voice Oohs", "Synth Voice",
    "Orchestra Hit", "Trumpet", "Trombone", "Tuba", "Muted Trumpet", "French Horn", "Brass Section", "SynthBrass 1",
    "SynthBrass 2", "Soprano Sax", "Alto Sax", "Tenor Sax", "Baritone Sax", "Oboe", "English Horn", "Bassoon",
    "Clarinet", "Piccolo", "Flute", "Recorder", "Pan Flute", "Blown Bottle", "Skakuhachi", "Whistle", "Ocarina",
    "Lead 1 (square)", "Lead 2 (sawtooth)", "Lead 3 (calliope)", "Lead 4 (chiff)", "Lead 5 (charang)",
    "Lead 6 (voice)", "Lead 7 (fifths)", "Lead 8 (bass+lead)", "Pad 1 (new age)", "Pad 2 (warm)",
    "Pad 3 (polysynth)", "Pad 4 (choir)", "Pad 5 (bowed)", "Pad 6 (metallic)", "Pad 7 (halo)", "Pad 8 (sweep)",
    "FX 1 (rain)", "FX 2 (soundtrack)", "FX 3 (crystal)", "FX 4 (atmosphere)", "FX 5 (brightness)",
    "FX 6 (goblins)", "FX 7 (echoes)", "FX 8 (sci-fi)", "Sitar", "Banjo", "Shamisen", "Koto", "Kalimba", "Bagpipe",
    "Fiddle", "Shanai", "Tinkle Bell", "Agogo", "Steel Drums", "Woodblock", "Taiko Drum", "Melodic Tom",
    "Synth Drum", "Reverse Cymbal", "Guitar Fret Noise", "Breath Noise", "Seashore", "Bird Tweet",
    "Telephone Ring", "Helicopter", "Applause", "Gunshot"};

namespace {

constexpr std::array<const char*, 14> kIntervalNames{
    "Unison",  "Min 2cd", "Maj 2cd", "Min 3rd", "Maj 3rd", "Perfect 4th", "Aug 4th",
    "Perfect 5th", "Aug 5th", "Min 6th", "Maj 6th", "Min 7th", "Maj 7th", "Octave"};

std::string Format(const char* format, int value)
{
    char text[32];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

}  // namespace

std::string SecondsLabel(int position) { return Format("(%ds)", position); }
std::string TempoLabel(int position) { return Format("(%d)", position); }
std::string RandomizationLabel(int position) { return Format("(%d%%)", position); }

std::string IntervalName(int position)
{
    if (position < 0 || position >= static_cast<int>(kIntervalNames.size())) return {};
    return kIntervalNames[position];
}

std::string SliderLabelText(int sliderId, int position)
{
    switch (sliderId) {
    case IDC_TIMEBETWEENMELODIES:
    case IDC_PAUSEDURATION: return SecondsLabel(position);
    case IDC_TEMPO: return TempoLabel(position);
    case IDC_RANDOMIZATION: return RandomizationLabel(position);
    case IDC_MELODYRANGE: return IntervalName(position);
    default: return {};
    }
}

std::uint8_t InstrumentProgram(int selectedIndex)
{
    if (selectedIndex < 0 || selectedIndex >= kInstrumentCount) return kDefaultInstrument;
    return static_cast<std::uint8_t>(selectedIndex);
}

void ApplyVolume(CMidiSequencer& sequencer, int volume)
{
    const auto v = static_cast<std::uint8_t>(volume);
    sequencer.velocity[0] = static_cast<std::uint8_t>(volume > 20 ? volume - 20 : volume);
    sequencer.velocity[1] = v;
    sequencer.velocity[2] = v;
}

void PlayTuningNote(CMidiSequencer& sequencer, std::uint8_t note, int selectedInstrument, int volume)
{
    sequencer.AllNotesOff();
    sequencer.tempo = 120;
    sequencer.Clear();
    sequencer.AddProgramChange(1, InstrumentProgram(selectedInstrument));
    sequencer.AddNote(1, note, 2);
    sequencer.velocity[1] = static_cast<std::uint8_t>(volume);
}

}  // namespace sonnavet
