#include "tests/fuzz/settingsreaderchecks.h"

#include "model/drawingfile.h"
#include "model/drawingstate.h"
#include "model/libraryindex.h"
#include "model/list.h"
#include "model/plantitles.h"
#include "model/printlist.h"
#include "model/programdirectory.h"
#include "model/selectionlist.h"
#include "model/settingsfile.h"
#include "model/settingsformats.h"
#include "model/settingsrecords.h"

#include <array>
#include <cctype>
#include <fstream>
#include <iterator>
#include <limits>
#include <vector>

namespace {

// The formats besides those of the shipped files: the files written before they are read (no
// default ships), and the leading fields of the records whose texts follow by count.
constexpr TSettingsFormat OTHER_FORMATS[] = {
    {"EXTENTS.CFG", EXTENTS_CFG_FORMAT},     {"COPY.CFG", COPY_CFG_FORMAT},
    {"TEMP.CFG", TEMP_CFG_FORMAT},           {"PRNTLST.CFG", PRNTLST_CFG_FORMAT},
    {"LTEXT.CFG", LTEXT_CFG_FORMAT},         {"TEXT.CFG", TEXT_CFG_READ_FORMAT},
    {"PLBM.CFG", LIBRARY_INDEX_READ_FORMAT},
};

// Writes the input as it is (see the drawing reader checks: no sync per input).
bool PutCfg(const std::string& name, const std::string& text)
{
    std::ofstream out(CfgPath(name), std::ios::binary | std::ios::trunc);
    out.write(text.data(), std::streamsize(text.size()));
    return bool(out);
}

// The conversion letters of a settings format in order: 'd' (%d, %ld), 'f' (%lf), 'c', 's'.
std::vector<char> Conversions(const std::string& format)
{
    std::vector<char> letters;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != '%')
            continue;
        if (i + 1 < format.size() && format[i + 1] == '%') {
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        while (j < format.size() && (std::isdigit(static_cast<unsigned char>(format[j])) || format[j] == 'l'))
            ++j;
        if (j < format.size())
            letters.push_back(format[j]);
        i = j;
    }
    return letters;
}

// The values of a record, each by the accessor of its conversion.
std::vector<TSettingsValue> Values(const SettingsRecord& record, const std::vector<char>& letters)
{
    std::vector<TSettingsValue> values;
    for (std::size_t i = 0; i < letters.size(); ++i) {
        switch (letters[i]) {
        case 'f':
            values.emplace_back(record.Double(i));
            break;
        case 'c':
            values.emplace_back(record.Char(i));
            break;
        case 's':
            values.emplace_back(record.Text(i));
            break;
        default:
            values.emplace_back(record.Int(i));
            break;
        }
    }
    return values;
}

// A record of the format reads the right number of fields, and what it read, written with the same
// format, reads back from the file alone; written again it gives the same text.
std::string CheckRecord(const std::string& name, const char* format, const std::string& text)
{
    const std::string* shipped = ShippedDefault(name);
    const std::string fallback = shipped ? *shipped : std::string();
    const std::vector<char> letters = Conversions(format);

    const SettingsRecord record(text, fallback, format);
    if (record.Size() != letters.size())
        return name + ": " + std::to_string(record.Size()) + " fields for a format of " +
               std::to_string(letters.size());
    // A word ("%s") that neither the file nor the default supplied is empty, and an empty word
    // cannot be written so that it reads back: such a record is not written back.
    const std::vector<TSettingsValue> values = Values(record, letters);
    for (const TSettingsValue& value : values)
        if (const auto* word = std::get_if<std::string>(&value); word && word->empty())
            return "";
    const std::string written = FormatSettingsFields(format, values);
    const SettingsRecord reread(written, fallback, format);
    if (!reread.FromFile())
        return name + ": the record as written does not read back whole: \"" + written + "\"";
    const std::string again = FormatSettingsFields(format, Values(reread, letters));
    if (again != written)
        return name + ": the record as written reads back differently: \"" + written + "\" then \"" + again + "\"";
    return "";
}

// A typed record read from its file, written and read again, is the same record.
template <class Record>
std::string CheckTypedRecord(const std::string& text, int unitSystem)
{
    const std::string name = SettingsFileName<Record>(unitSystem);
    if (!PutCfg(name, text))
        return "cannot write " + name;
    const std::string written = FormatSettings(ReadSettings<Record>(unitSystem));
    if (!PutCfg(name, written))
        return "cannot write " + name;
    const std::string again = FormatSettings(ReadSettings<Record>(unitSystem));
    if (again != written)
        return name + ": the typed record as written reads back differently: \"" + written + "\" then \"" + again +
               "\"";
    return "";
}

std::string CheckTypedRecords(const std::string& text)
{
    for (int unitSystem : {1, 0}) {
        for (const std::string& problem :
             {CheckTypedRecord<TExtWallSettings>(text, unitSystem), CheckTypedRecord<TZoomSettings>(text, unitSystem),
              CheckTypedRecord<TScrollSettings>(text, unitSystem), CheckTypedRecord<TSheetSettings>(text, unitSystem),
              CheckTypedRecord<TColourSettings>(text, unitSystem), CheckTypedRecord<TLibraryCountSettings>(text, unitSystem),
              CheckTypedRecord<TPrintCalibrationSettings>(text, unitSystem)})
            if (!problem.empty())
                return problem;
    }
    return "";
}

// Titles that read exactly are written and read back the same; no title is longer than its field.
std::string CheckPlanTitles(const std::string& text)
{
    std::array<std::string, 3> titles;
    const bool exact = ParsePlanTitles(text, titles);
    for (const std::string& title : titles)
        if (title.size() > std::size_t(PLAN_TITLE_CAPACITY))
            return "a plan title of " + std::to_string(title.size()) + " characters was read";
    if (exact) {
        std::array<std::string, 3> reread;
        if (!ParsePlanTitles(FormatPlanTitles(titles), reread) || reread != titles)
            return "the plan titles as written read back differently: \"" + FormatPlanTitles(titles) + "\"";
    }
    if (!PutCfg("TITLE2D.CFG", text))
        return "cannot write TITLE2D.CFG";
    if (ReadPlanTitles() != titles)
        return "the plan titles read from the file differ from those of its text";
    return "";
}

// The selection list: never more entries than the count, never a negative count.
std::string CheckSelectionList(const std::string& text)
{
    if (!PutCfg("TEMP.CFG", text) || !PutCfg("COPY.CFG", text))
        return "cannot write the selection list";
    const int count = ReadCopyCount();
    if (count < 0)
        return "a negative selection count was read";
    if (ReadCopyList().size() > std::size_t(count))
        return "the selection list read more entries than its count";
    return "";
}

// A library index: only names an entry can have, never more than the count, written back the same;
// an entry registered over it is listed once, and the count agrees with the index afterwards.
std::string CheckLibraryIndex(const std::string& text)
{
    const TLibraryIndex index = TLibraryIndex::Parse(text, std::numeric_limits<std::int32_t>::max());
    for (const std::string& name : index.names)
        if (!IsLibraryEntryName(name))
            return "the library index gave the name \"" + name + "\"";
    if (TLibraryIndex::Parse(index.Format(), std::int32_t(index.names.size())).names != index.names)
        return "the library index as written reads back differently";
    if (!PutCfg("LIM.CFG", text) || !PutCfg("FURM.CFG", text))
        return "cannot write the furniture library";
    TLibraryCountSettings counts = ReadSettings<TLibraryCountSettings>();
    const TLibraryIndex listed = ReadLibraryIndex(3);
    if (listed.names.size() > std::size_t(std::max(0, *counts.Of(3))))
        return "the library listed more entries than its count";
    TList objects;
    if (!objects.RegisterLibraryFile(3, "FUZZ ENTRY"))
        return "an entry could not be registered";
    const TLibraryIndex after = ReadLibraryIndex(3);
    counts = ReadSettings<TLibraryCountSettings>();
    if (FindLibraryEntry(after, "FUZZ ENTRY") < 0 || std::size_t(*counts.Of(3)) != after.names.size())
        return "after registering, the library's count and index disagree";
    return "";
}

// The print list: what it reads is written back the same.
std::string CheckPrintList(const std::string& text)
{
    const TPrintListSettings list = TPrintListSettings::Parse(text);
    if (TPrintListSettings::Parse(list.Format()).entries != list.entries)
        return "the print list as written reads back differently: \"" + list.Format() + "\"";
    return "";
}

// The sheet and the drawing file's centre taken from it stay in range whatever the file says.
std::string CheckSheet(const std::string& text)
{
    for (const char* name : {"DWGSIZEM.CFG", "DWGSIZEI.CFG"})
        if (!PutCfg(name, text))
            return std::string("cannot write ") + name;
    for (int unitSystem : {1, 0, 2}) {
        const TPoint sheet = LoadSheetSize(unitSystem);
        const TPoint centre = DrawingFileCentre(unitSystem);
        if (unitSystem == 2 && (sheet.x != 0 || sheet.y != 0 || centre.x != 0 || centre.y != 0))
            return "a sheet was read for an unknown unit system";
    }
    return "";
}

}  // namespace

std::string CheckSettingsReaders(const std::string& text)
{
    State().unitSystem = 1;
    std::string problem;
    for (const TSettingsFormat& entry : SHIPPED_SETTINGS_FORMATS)
        if (problem.empty())
            problem = CheckRecord(entry.name, entry.format, text);
    for (const TSettingsFormat& entry : OTHER_FORMATS)
        if (problem.empty())
            problem = CheckRecord(entry.name, entry.format, text);
    for (auto check : {CheckTypedRecords, CheckPlanTitles, CheckSelectionList, CheckSheet, CheckLibraryIndex,
                       CheckPrintList})
        if (problem.empty())
            problem = check(text);
    return problem;
}
