#include "settings/Settings.h"

#include <cctype>
#include <climits>

#include "controls/TrainingControls.h"
#include "platform/Controls.h"
#include "platform/Profile.h"
#include "resources/ResourceIds.h"

namespace sonnavet {

namespace {

int ReadInt(Profile& profile, const char* key, int defaultValue)
{
    return profile.GetPrivateProfileInt(kSettingsSection, key, defaultValue, kSettingsFile);
}

void Write(Profile& profile, const char* key, const std::string& value)
{
    profile.WritePrivateProfileString(kSettingsSection, key, value, kSettingsFile);
}

std::string Flag(const CButton& check) { return check.GetCheck() == CButton::kChecked ? "1" : "0"; }

// atoi, without its undefined behaviour on overflow.
int ToInt(const std::string& token)
{
    std::size_t i = 0;
    while (i < token.size() && std::isspace(static_cast<unsigned char>(token[i]))) ++i;
    bool negative = false;
    if (i < token.size() && (token[i] == '+' || token[i] == '-')) negative = token[i++] == '-';
    long long value = 0;
    for (; i < token.size() && std::isdigit(static_cast<unsigned char>(token[i])); ++i) {
        value = value * 10 + (token[i] - '0');
        if (value > INT_MAX) value = static_cast<long long>(INT_MAX) + 1;
    }
    value = negative ? -value : value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

// The label shows the position the slider took, not the raw value.
void LoadSlider(Profile& profile, const char* key, int defaultValue, int sliderId, CSliderCtrl& slider,
                CStatic& label)
{
    slider.SetPos(ReadInt(profile, key, defaultValue));
    label.SetWindowText(SliderLabelText(sliderId, slider.GetPos()));
}

void LoadFlag(Profile& profile, const char* key, int defaultValue, CButton& check)
{
    check.SetCheck(ReadInt(profile, key, defaultValue) == 1 ? CButton::kChecked : CButton::kUnchecked);
}

}  // namespace

std::string ReadSettingString(Profile& profile, const std::string& key, const std::string& defaultText)
{
    return profile.GetPrivateProfileString(kSettingsSection, key, defaultText, kSettingBufferSize, kSettingsFile);
}

void SelectListEntries(CListBox& list, const std::string& indexList)
{
    // An empty value selects nothing: it is what a list without a selection saves.
    std::string token;
    for (std::size_t i = 0; i <= indexList.size(); ++i) {
        if (i < indexList.size() && indexList[i] != ' ') {
            token += indexList[i];
            continue;
        }
        // An empty token (two spaces, a leading or final space) selects nothing.
        if (!token.empty()) list.SetSel(ToInt(token), true);
        token.clear();
    }
}

std::string JoinSelection(const CListBox& list)
{
    std::string text;
    for (int index : list.GetSelItems(kMaxSavedSelections)) {
        if (!text.empty()) text += ' ';
        text += std::to_string(index);
    }
    return text;
}

void LoadSettings(Profile& profile, const SettingsControls& c)
{
    c.totalSeconds = ReadInt(profile, "totalPracticeTime", 0);
    SelectListEntries(c.positionsList, ReadSettingString(profile, "positions", "0"));
    SelectListEntries(c.beatsList, ReadSettingString(profile, "beats", "0"));
    LoadSlider(profile, "timeBetweenMelodies", 2, IDC_TIMEBETWEENMELODIES, c.timeBetweenMelodiesSlider,
               c.timeBetweenMelodiesLabel);
    LoadSlider(profile, "pauseDuration", 2, IDC_PAUSEDURATION, c.pauseDurationSlider, c.pauseDurationLabel);
    LoadSlider(profile, "tempo", 120, IDC_TEMPO, c.tempoSlider, c.tempoLabel);
    LoadSlider(profile, "randomization", 0, IDC_RANDOMIZATION, c.randomizationSlider, c.randomizationLabel);
    LoadSlider(profile, "melodyRange", 4, IDC_MELODYRANGE, c.melodyRangeSlider, c.melodyRangeLabel);
    LoadFlag(profile, "stretchDown", 0, c.stretchDownCheck);
    c.instrumentCombo.SetCurSel(ReadInt(profile, "midiInstrument", kDefaultInstrument));
    c.volumeSlider.SetPos(ReadInt(profile, "volume", 100));
    LoadFlag(profile, "getReady", 1, c.getReadyCheck);
    LoadFlag(profile, "singAlong", 1, c.singAlongCheck);
    LoadFlag(profile, "singAlone", 1, c.singAloneCheck);
    LoadFlag(profile, "playFirstNote", 1, c.playFirstNoteCheck);
    LoadFlag(profile, "play", 1, c.playCheck);
    LoadFlag(profile, "playWithComputer", 1, c.playWithComputerCheck);
}

void SaveSettings(Profile& profile, const SettingsControls& c)
{
    Write(profile, "totalPracticeTime", std::to_string(c.totalSeconds));
    Write(profile, "positions", JoinSelection(c.positionsList));
    Write(profile, "beats", JoinSelection(c.beatsList));
    Write(profile, "timeBetweenMelodies", std::to_string(c.timeBetweenMelodiesSlider.GetPos()));
    Write(profile, "pauseDuration", std::to_string(c.pauseDurationSlider.GetPos()));
    Write(profile, "tempo", std::to_string(c.tempoSlider.GetPos()));
    Write(profile, "randomization", std::to_string(c.randomizationSlider.GetPos()));
    Write(profile, "melodyRange", std::to_string(c.melodyRangeSlider.GetPos()));
    Write(profile, "stretchDown", Flag(c.stretchDownCheck));
    Write(profile, "midiInstrument", std::to_string(c.instrumentCombo.GetCurSel()));
    Write(profile, "volume", std::to_string(c.volumeSlider.GetPos()));
    Write(profile, "getReady", Flag(c.getReadyCheck));
    Write(profile, "singAlong", Flag(c.singAlongCheck));
    Write(profile, "singAlone", Flag(c.singAloneCheck));
    Write(profile, "playFirstNote", Flag(c.playFirstNoteCheck));
    Write(profile, "play", Flag(c.playCheck));
    Write(profile, "playWithComputer", Flag(c.playWithComputerCheck));
}

}  // namespace sonnavet
