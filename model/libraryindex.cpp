#include "model/libraryindex.h"

#include "model/settingsfile.h"
#include "model/settingsformats.h"
#include "model/typedsettings.h"

const char* LibraryIndexFile(int library)
{
    static const char* const names[] = {"PLBM.CFG", "ELEM.CFG", "FURM.CFG", "MISM.CFG"};
    return library >= 1 && library <= 4 ? names[library - 1] : nullptr;
}

TLibraryIndex TLibraryIndex::Parse(const std::string& text)
{
    // LIBRARY_INDEX_READ_FORMAT, then exactly the length in characters, line by line.
    TLibraryIndex index;
    TextScanner scanner(text);
    std::int32_t length = 0;
    std::string name;
    while (scanner.ReadInt(length) && length >= 0) {
        scanner.SkipBlanks();
        if (!scanner.ReadChars(std::size_t(length), name))
            break;
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
    const char* file = LibraryIndexFile(library);
    return file ? TLibraryIndex::Parse(ReadSettingsText(file)) : TLibraryIndex{};
}

bool AppendToLibraryIndex(int library, const std::string& name)
{
    const char* file = LibraryIndexFile(library);
    if (!file)
        return false;
    return WriteSettingsFile(file, ReadSettingsText(file) + TLibraryIndex::FormatLine(name));
}
