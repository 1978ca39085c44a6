#pragma once
// A list of texts with at most one selected. A list whose template control is sorted keeps its
// items in alphabetical order, ignoring case.
#include "platform/control.h"

#include <string>
#include <vector>

class TListBox : public TControl {
public:
    TListBox(TDialog& dialog, int id) : TControl(dialog, id) {}

    ControlKind Kind() const override { return ControlKind::ListBox; }
    void Bind(const ControlTemplate& control) override;

    // Adds an item (at the end, or in order in a sorted list); returns its index.
    int AddString(const std::string& item);
    void ClearList();
    int GetCount() const { return int(items.size()); }
    // The item at `index`; empty when there is none.
    std::string GetString(int index) const;
    // The selected index; -1 when nothing is selected.
    int GetSelIndex() const { return selected; }
    // Selects an item (-1 or an index out of range clears the selection).
    void SetSelIndex(int index);
    std::string GetSelString() const { return GetString(selected); }
    // The index of the item equal to `item`; -1 when none is.
    int FindExact(const std::string& item) const;
    const std::vector<std::string>& Items() const { return items; }

private:
    std::vector<std::string> items;
    int selected = -1;
    bool sorted = false;
};
