#pragma once

#include <string>
#include <vector>

#include "platform/ControlBackend.h"

namespace sonnavet {

// Window-system framework classes as the program uses them. Each object is
// attached to one control of the dialog and forwards to its backend. An
// unattached object does nothing and reads as empty.
class CWnd {
public:
    void Attach(ControlBackend* backend) { ctl = backend; }
    ControlBackend* Backend() const { return ctl; }
    bool IsAttached() const { return ctl != nullptr; }

    void SetWindowText(const std::string& text) { if (ctl) ctl->SetText(text); }
    std::string GetWindowText() const { return ctl ? ctl->GetText() : std::string(); }
    void EnableWindow(bool enable) { if (ctl) ctl->SetEnabled(enable); }
    bool IsWindowEnabled() const { return ctl && ctl->IsEnabled(); }

protected:
    ControlBackend* ctl = nullptr;
};

class CStatic : public CWnd {};

class CButton : public CWnd {
public:
    static constexpr int kUnchecked = 0;
    static constexpr int kChecked = 1;

    void SetCheck(int state) { if (ctl) ctl->SetCheck(state == kChecked ? kChecked : kUnchecked); }
    int GetCheck() const { return ctl ? ctl->GetCheck() : kUnchecked; }
};

class CSliderCtrl : public CWnd {
public:
    void SetRange(int minimum, int maximum, bool redraw = false);
    void SetTicFreq(int frequency) { if (ctl) ctl->SetTicFreq(frequency); }
    // A position outside the range goes to the nearer end of it.
    void SetPos(int position);
    int GetPos() const { return ctl ? ctl->GetPos() : 0; }
    int GetRangeMin() const { return ctl ? ctl->GetRangeMin() : 0; }
    int GetRangeMax() const { return ctl ? ctl->GetRangeMax() : 0; }
};

class CListBox : public CWnd {
public:
    static constexpr int kAll = -1;

    int AddString(const std::string& text);
    int GetCount() const { return ctl ? ctl->GetCount() : 0; }
    std::string GetText(int index) const;
    // Index -1 stands for every entry; an index that names no entry does nothing.
    void SetSel(int index, bool selected = true);
    bool GetSel(int index) const;
    int GetSelCount() const;
    // The indices of the selected entries in ascending order, at most maxItems.
    std::vector<int> GetSelItems(int maxItems) const;
};

class CComboBox : public CWnd {
public:
    static constexpr int kNoSelection = -1;

    int AddString(const std::string& text);
    int GetCount() const { return ctl ? ctl->GetCount() : 0; }
    std::string GetLBText(int index) const;
    // An index outside the list leaves the box without a selection.
    void SetCurSel(int index);
    int GetCurSel() const { return ctl ? ctl->GetCurSel() : kNoSelection; }
};

}  // namespace sonnavet
