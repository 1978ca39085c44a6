#include "dialogs/proposedlength.h"

#include "dialogs/roomsizechoice.h"

void TProposedLength::Show(const std::array<TEdit*, 4>& edits, std::int32_t value)
{
    ShowFeet(edits, value);
    for (std::size_t i = 0; i < edits.size(); ++i)
        shown[i] = edits[i]->GetText();
    proposal = value;
}

std::optional<std::int32_t> TProposedLength::Kept(const std::array<std::string, 4>& texts) const
{
    if (!proposal || texts != shown)
        return std::nullopt;
    return proposal;
}
