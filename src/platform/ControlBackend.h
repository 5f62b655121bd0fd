#pragma once

#include <string>
#include <vector>

namespace sonnavet {

// The window system's side of one child control. The portable control classes
// (CButton, CSliderCtrl, ...) keep the program's semantics (clamping, "no
// selection", "select all") and call these plain operations; a backend only
// stores and shows what it is told. Operations that do not apply to a kind of
// control are never called for it.
class ControlBackend {
public:
    virtual ~ControlBackend() = default;

    // every control
    virtual void SetText(const std::string& text) = 0;
    virtual std::string GetText() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual bool IsEnabled() const = 0;

    // check boxes and radio buttons: 0 unchecked, 1 checked
    virtual void SetCheck(int state) = 0;
    virtual int GetCheck() const = 0;

    // trackbars
    virtual void SetRange(int minimum, int maximum, bool redraw) = 0;
    virtual int GetRangeMin() const = 0;
    virtual int GetRangeMax() const = 0;
    virtual void SetTicFreq(int frequency) = 0;
    virtual void SetPos(int position) = 0;   // already inside the range
    virtual int GetPos() const = 0;

    // list boxes and the drop-down list
    virtual void AddString(const std::string& text) = 0;
    virtual int GetCount() const = 0;
    virtual std::string GetItemText(int index) const = 0;

    // multiple-selection list boxes
    virtual void SetSel(int index, bool selected) = 0;   // index inside the list
    virtual bool GetSel(int index) const = 0;

    // drop-down list: -1 = no selection
    virtual void SetCurSel(int index) = 0;   // -1 or an index inside the list
    virtual int GetCurSel() const = 0;
};

}  // namespace sonnavet
