#include "platform/Controls.h"

#include <algorithm>

namespace sonnavet {

void CSliderCtrl::SetRange(int minimum, int maximum, bool redraw)
{
    if (!ctl) return;
    ctl->SetRange(minimum, maximum, redraw);
    // A trackbar keeps its thumb inside a new range.
    const int pos = ctl->GetPos();
    if (pos < minimum || pos > maximum) ctl->SetPos(std::clamp(pos, minimum, std::max(minimum, maximum)));
}

void CSliderCtrl::SetPos(int position)
{
    if (!ctl) return;
    const int lo = ctl->GetRangeMin();
    const int hi = std::max(lo, ctl->GetRangeMax());
    ctl->SetPos(std::clamp(position, lo, hi));
}

int CListBox::AddString(const std::string& text)
{
    if (!ctl) return -1;
    ctl->AddString(text);
    return ctl->GetCount() - 1;
}

std::string CListBox::GetText(int index) const
{
    if (!ctl || index < 0 || index >= ctl->GetCount()) return {};
    return ctl->GetItemText(index);
}

void CListBox::SetSel(int index, bool selected)
{
    if (!ctl) return;
    const int count = ctl->GetCount();
    if (index == kAll) {
        for (int i = 0; i < count; ++i) ctl->SetSel(i, selected);
    } else if (index >= 0 && index < count) {
        ctl->SetSel(index, selected);
    }
}

bool CListBox::GetSel(int index) const
{
    return ctl && index >= 0 && index < ctl->GetCount() && ctl->GetSel(index);
}

int CListBox::GetSelCount() const
{
    int selected = 0;
    for (int i = 0; i < GetCount(); ++i)
        if (ctl->GetSel(i)) ++selected;
    return selected;
}

std::vector<int> CListBox::GetSelItems(int maxItems) const
{
    std::vector<int> items;
    for (int i = 0; i < GetCount() && static_cast<int>(items.size()) < maxItems; ++i)
        if (ctl->GetSel(i)) items.push_back(i);
    return items;
}

int CComboBox::AddString(const std::string& text)
{
    if (!ctl) return -1;
    ctl->AddString(text);
    return ctl->GetCount() - 1;
}

std::string CComboBox::GetLBText(int index) const
{
    if (!ctl || index < 0 || index >= ctl->GetCount()) return {};
    return ctl->GetItemText(index);
}

void CComboBox::SetCurSel(int index)
{
    if (!ctl) return;
    ctl->SetCurSel(index >= 0 && index < ctl->GetCount() ? index : kNoSelection);
}

}  // namespace sonnavet
