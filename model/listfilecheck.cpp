#include "model/listfilecheck.h"

#include "model/drawingfile.h"
#include "model/drawingstate.h"
#include "model/list.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <vector>

namespace {

bool ReadWhole(const std::string& path, std::string& text)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    text.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return !file.bad();
}

// The record of one object as the file stores it, relative to the file's centre.
std::string Record(const TObject& object, const TFileHeader& header)
{
    return ObjectRecord(object, {header.centreX, header.centreY});
}

}  // namespace

std::string ObjectRecord(const TObject& object, TPoint centre)
{
    std::string out;
    std::string where;
    if (!AppendObjectRecord(out, object, centre.x, centre.y, &where))
        return "(cannot be stored: " + where + ")";
    return out;
}

bool DrawingFileRecords(const std::string& path, TPoint centre, std::vector<std::string>& records)
{
    records.clear();
    std::string text;
    if (!ReadWhole(path, text))
        return false;
    TFileHeader header;
    std::vector<std::unique_ptr<TObject>> objects;
    if (!ParseObjectFile(text, false, 0, 0, header, objects).ok)
        return false;
    records.reserve(objects.size());
    for (const std::unique_ptr<TObject>& object : objects)
        records.push_back(ObjectRecord(*object, centre));
    return true;
}

std::string ListFileDifference(const TList& list)
{
    const TDrawingState& state = State();
    if (state.drawingName.empty() || list.DrawingUnreadable())
        return {};
    const std::string path = list.DrawingPath();
    std::string text;
    if (!ReadWhole(path, text))
        return list.count() == 0 ? std::string() : "the list holds " + std::to_string(list.count()) +
                                                       " objects but the drawing file cannot be read";
    TFileHeader header;
    std::vector<std::unique_ptr<TObject>> objects;
    const TLoadResult read = ParseObjectFile(text, false, 0, 0, header, objects);
    if (!read.ok)
        return "the drawing file does not read: " + read.message;
    if (header.unitSystem != state.unitSystem)
        return "the drawing file is of unit system " + std::to_string(header.unitSystem) +
               ", the program's " + std::to_string(state.unitSystem);
    const int common = std::min(list.count(), int(objects.size()));
    for (int i = 0; i < common; ++i) {
        const std::string held = Record(*list[i], header);
        const std::string stored = Record(*objects[std::size_t(i)], header);
        if (held != stored)
            return "object " + std::to_string(i) + " differs: the list holds\n" + held + "the file holds\n" + stored;
    }
    if (list.count() != int(objects.size()))
        return "the list holds " + std::to_string(list.count()) + " objects, the drawing file " +
               std::to_string(objects.size());
    return {};
}

std::string DrawingFileProblem(const std::string& path)
{
    std::string text;
    if (!ReadWhole(path, text))
        return "it cannot be opened";
    TFileHeader header;
    std::vector<std::unique_ptr<TObject>> objects;
    const TLoadResult read = ParseObjectFile(text, false, 0, 0, header, objects);
    return read.ok ? std::string() : read.message;
}
