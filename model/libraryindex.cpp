#include "model/libraryindex.h"

#include "model/settingsfile.h"
#include "model/settingsformats.h"
#include "model/settingsrecords.h"
#include "model/typedsettings.h"

#include <algorithm>
#include <cctype>

namespace {

bool IsNameCharacter(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == ',' || c == ' ';
}

std::string Lower(const std::string& text)
{
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return lower;
}

}  // namespace

const char* LibraryIndexFile(int library)
{
    static const char* const names[] = {"PLBM.CFG", "ELEM.CFG", "FURM.CFG", "MISM.CFG"};
    return library >= 1 && library <= 4 ? names[library - 1] : nullptr;
}

const char* LibraryExtension(int library)
{
    static const char* const extensions[] = {".PLM", ".ELM", ".FUM", ".MSM"};
    return library >= 1 && library <= 4 ? extensions[library - 1] : nullptr;
}

std::string LibraryName(int library)
{
    static const char* const names[] = {"Plumbing", "Electrical", "Furniture", "Miscellaneous"};
    return library >= 1 && library <= 4 ? names[library - 1] : std::string();
}

bool IsLibraryEntryName(const std::string& name)
{
    if (name.empty() || name.size() > TLibraryIndex::NAME_CAPACITY || name.front() == ' ' || name.back() == ' ')
        return false;
    return std::all_of(name.begin(), name.end(), IsNameCharacter);
}

TLibraryIndex TLibraryIndex::Parse(const std::string& text, std::int32_t count)
{
    // LIBRARY_INDEX_READ_FORMAT, then exactly the length in characters, line by line.
    TLibraryIndex index;
    TextScanner scanner(text);
    for (std::int32_t record = 0; record < count; ++record) {
        std::int32_t length = 0;
        if (!scanner.ReadInt(length) || length < 1 || std::size_t(length) > NAME_CAPACITY)
            break;
        scanner.SkipBlanks();
        std::string name;
        if (!scanner.ReadChars(std::size_t(length), name))
            break;
        if (IsLibraryEntryName(name))
            index.names.push_back(name);
    }
    return index;
}

std::string TLibraryIndex::FormatLine(const std::string& name)
{
    return FormatSettingsFields(LIBRARY_INDEX_CFG_FORMAT, {std::int32_t(name.size()), name});
}

std::string TLibraryIndex::Format() const
{
    std::string text;
    for (const std::string& name : names)
        text += FormatLine(name);
    return text;
}

TLibraryIndex ReadLibraryIndex(int library)
{
    if (!LibraryIndexFile(library))
        return {};
    TLibraryCountSettings counts = ReadSettings<TLibraryCountSettings>();
    return ReadLibraryIndex(library, *counts.Of(library));
}

TLibraryIndex ReadLibraryIndex(int library, std::int32_t count)
{
    const char* file = LibraryIndexFile(library);
    if (!file)
        return {};
    return count > 0 ? TLibraryIndex::Parse(ReadSettingsText(file), count) : TLibraryIndex{};
}

int FindLibraryEntry(const TLibraryIndex& index, const std::string& name)
{
    const std::string wanted = Lower(name);
    for (std::size_t i = 0; i < index.names.size(); ++i)
        if (Lower(index.names[i]) == wanted)
            return int(i);
    return -1;
}
