#pragma once

#include <string>
#include <vector>

#include "platform/ControlBackend.h"
#include "platform/DialogTemplate.h"

namespace sonnavet::test {

// An in-memory control that stores what it is told, like a real one.
class FakeControl : public ControlBackend {
public:
    explicit FakeControl(const ControlTemplate& t) : tmpl(t), text(t.text) {}

    void SetText(const std::string& value) override { text = value; }
    std::string GetText() const override { return text; }
    void SetEnabled(bool value) override { enabled = value; }
    bool IsEnabled() const override { return enabled; }

    void SetCheck(int state) override { check = state; }
    int GetCheck() const override { return check; }

    void SetRange(int minimum, int maximum, bool) override
    {
        rangeMin = minimum;
        rangeMax = maximum;
    }
    int GetRangeMin() const override { return rangeMin; }
    int GetRangeMax() const override { return rangeMax; }
    void SetTicFreq(int frequency) override { ticFreq = frequency; }
    void SetPos(int position) override { pos = position; }
    int GetPos() const override { return pos; }

    void AddString(const std::string& item) override
    {
        items.push_back(item);
        selected.push_back(false);
    }
    int GetCount() const override { return static_cast<int>(items.size()); }
    std::string GetItemText(int index) const override { return items.at(index); }
    void SetSel(int index, bool value) override { selected.at(index) = value; }
    bool GetSel(int index) const override { return selected.at(index); }
    void SetCurSel(int index) override { curSel = index; }
    int GetCurSel() const override { return curSel; }

    const ControlTemplate tmpl;
    std::string text;
    bool enabled = true;
    int check = 0;
    int rangeMin = 0;
    int rangeMax = 100;
    int ticFreq = 0;
    int pos = 0;
    std::vector<std::string> items;
    std::vector<bool> selected;
    int curSel = -1;
};

}  // namespace sonnavet::test
