#include "platform/listbox.h"

#include <algorithm>
#include <cctype>

void TListBox::Bind(const ControlTemplate& control)
{
    TControl::Bind(control);
    sorted = control.sorted;
    ClearList();
}

int TListBox::AddString(const std::string& item)
{
    auto position = items.end();
    if (sorted) {
        auto lower = [](unsigned char c) { return std::tolower(c); };
        auto before = [&](const std::string& a, const std::string& b) {
            return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                                [&](char x, char y) { return lower(x) < lower(y); });
        };
        position = std::upper_bound(items.begin(), items.end(), item, before);
    }
    int index = int(position - items.begin());
    items.insert(position, item);
    if (selected >= index)
        ++selected;
    return index;
}

void TListBox::ClearList()
{
    items.clear();
    selected = -1;
}

std::string TListBox::GetString(int index) const
{
    if (index < 0 || index >= GetCount())
        return {};
    return items[std::size_t(index)];
}

void TListBox::SetSelIndex(int index)
{
    selected = index >= 0 && index < GetCount() ? index : -1;
}

int TListBox::FindExact(const std::string& item) const
{
    for (int i = 0; i < GetCount(); ++i)
        if (items[std::size_t(i)] == item)
            return i;
    return -1;
}
