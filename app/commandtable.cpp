#include "app/commandtable.h"

#include "app/clientcommands.h"
#include "app/families/designroomfamily.h"
#include "app/families/dimensionfamily.h"
#include "app/families/doorfamily.h"
#include "app/families/extwallfamily.h"
#include "app/families/figurefamily.h"
#include "app/families/intwallfamily.h"
#include "app/families/libraryfamily.h"
#include "app/families/linefamily.h"
#include "app/families/linetextfamily.h"
#include "app/families/planresizefamily.h"
#include "app/families/roomfamily.h"
#include "app/families/selectionfamily.h"
#include "app/families/stairsfamily.h"
#include "app/families/textfamily.h"
#include "app/families/walleditfamily.h"
#include "app/families/windowfamily.h"
#include "app/toolfamily.h"

#include <algorithm>

namespace {

// Every family, the client's own commands first. A new family adds its line here.
std::vector<TFamilyRows> AllRows()
{
    return {
        ClientCommandRows(),
        LineFamilyRows(),
        LineTextFamilyRows(),
        FigureFamilyRows(),
        TextFamilyRows(),
        SelectionFamilyRows(),
        ExtWallFamilyRows(),
        PlanResizeFamilyRows(),
        DimensionFamilyRows(),
        IntWallFamilyRows(),
        WallEditFamilyRows(),
        DesignRoomFamilyRows(),
        StairsFamilyRows(),
        WindowFamilyRows(),
        DoorFamilyRows(),
        RoomFamilyRows(),
        LibraryFamilyRows(),
    };
}

}  // namespace

TCommandContext::~TCommandContext() = default;

const std::vector<TCommandRow>& CommandTable()
{
    static const std::vector<TCommandRow> table = [] {
        std::vector<TCommandRow> rows;
        for (const TFamilyRows& family : AllRows())
            rows.insert(rows.end(), family.commands.begin(), family.commands.end());
        return rows;
    }();
    return table;
}

const std::vector<TKindRow>& KindTable()
{
    static const std::vector<TKindRow> table = [] {
        std::vector<TKindRow> rows;
        for (const TFamilyRows& family : AllRows())
            rows.insert(rows.end(), family.kinds.begin(), family.kinds.end());
        return rows;
    }();
    return table;
}

const std::vector<const TToolFamily*>& Families()
{
    static const std::vector<const TToolFamily*> families = [] {
        std::vector<const TToolFamily*> found;
        auto take = [&found](const TToolFamily* family) {
            if (family && std::find(found.begin(), found.end(), family) == found.end())
                found.push_back(family);
        };
        for (const TCommandRow& row : CommandTable())
            take(row.family);
        for (const TKindRow& row : KindTable())
            take(row.family);
        return found;
    }();
    return families;
}

const TCommandRow* FindCommand(int id)
{
    const auto& table = CommandTable();
    const auto found = std::find_if(table.begin(), table.end(), [id](const TCommandRow& row) { return row.id == id; });
    return found == table.end() ? nullptr : &*found;
}

const TKindRow* FindKind(int kind)
{
    const auto& table = KindTable();
    const auto found =
        std::find_if(table.begin(), table.end(), [kind](const TKindRow& row) { return row.kind == kind; });
    return found == table.end() ? nullptr : &*found;
}

const TSequenceRow* FindSequence(TDialogSequence sequence, int code)
{
    static const std::vector<TSequenceRow> table = [] {
        std::vector<TSequenceRow> rows;
        for (const TFamilyRows& family : AllRows())
            rows.insert(rows.end(), family.sequences.begin(), family.sequences.end());
        return rows;
    }();
    const auto found = std::find_if(table.begin(), table.end(), [&](const TSequenceRow& row) {
        return row.sequence == sequence && row.code == code;
    });
    return found == table.end() ? nullptr : &*found;
}
