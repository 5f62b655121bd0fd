#pragma once

#include <cstdint>
#include <string>

namespace sonnavet {

class CButton;
class CComboBox;
class CListBox;
class CSliderCtrl;
class CStatic;
class Profile;

inline constexpr char kSettingsFile[] = "zelk.ini";
inline constexpr char kSettingsSection[] = "zelk";
constexpr std::size_t kSettingBufferSize = 1024;
constexpr int kMaxSavedSelections = 1024;

// The controls and the member whose state the settings file keeps.
struct SettingsControls {
    std::int32_t& totalSeconds;
    CListBox& positionsList;
    CListBox& beatsList;
    CSliderCtrl& timeBetweenMelodiesSlider;
    CStatic& timeBetweenMelodiesLabel;
    CSliderCtrl& pauseDurationSlider;
    CStatic& pauseDurationLabel;
    CSliderCtrl& tempoSlider;
    CStatic& tempoLabel;
    CSliderCtrl& randomizationSlider;
    CStatic& randomizationLabel;
    CSliderCtrl& melodyRangeSlider;
    CStatic& melodyRangeLabel;
    CButton& stretchDownCheck;
    CComboBox& instrumentCombo;
    CSliderCtrl& volumeSlider;
    CButton& getReadyCheck;
    CButton& singAlongCheck;
    CButton& singAloneCheck;
    CButton& playFirstNoteCheck;
    CButton& playCheck;
    CButton& playWithComputerCheck;
};

void LoadSettings(Profile& profile, const SettingsControls& controls);
void SaveSettings(Profile& profile, const SettingsControls& controls);

std::string ReadSettingString(Profile& profile, const std::string& key, const std::string& defaultText);
// Selects the entries that a space-separated index list names; -1 selects all.
void SelectListEntries(CListBox& list, const std::string& indexList);
std::string JoinSelection(const CListBox& list);

}  // namespace sonnavet
