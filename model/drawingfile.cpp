#include "model/drawingfile.h"

#include "model/drawingstate.h"
#include "model/modelunits.h"
#include "model/object.h"
#include "model/piecework.h"
#include "model/recordreader.h"
#include "model/recordwriter.h"
#include "model/settingsfile.h"
#include "model/settingsrecords.h"
#include "model/typecodes.h"

#include <algorithm>

namespace {

// Model units per logical unit of a newly opened drawing: the scale the file's centre is taken at.
constexpr int FILE_SCALE = 5;

void AppendHeader(std::string& out, const TFileHeader& header)
{
    TRecordWriter writer(out);
    writer.Int(header.count).Int(header.centreX).Int(header.centreY).Int(header.reserved);
    writer.Int(header.unitSystem).Int(header.groupIdCounter);
    writer.EndLine();
}

TLoadResult FailureAt(int line, const std::string& reason)
{
    TLoadResult result;
    result.ok = false;
    result.line = line;
    result.message = "line " + std::to_string(line) + ": " + reason;
    return result;
}

// Objects to a piece of a drawing file's text that is formatted on a thread of its own: enough
// that starting the thread is a small part of the piece's work.
constexpr int PIECE_OBJECTS = 8192;

void WriteObject(TRecordWriter& writer, const TObject& object)
{
    writer.Int(object.typeCode);
    writer.EndLine();
    object.WriteRecord(writer);
}

// The first coordinate the writer could not store, e.g. "x -2147483000".
std::string UnstorableWhere(const TRecordWriter& writer)
{
    return std::string(1, writer.UnstorableAxis()) + " " + std::to_string(writer.UnstorableValue());
}

// The first object of a piece that cannot be stored (index -1: none) and its coordinate.
struct TUnstorable {
    int index = -1;
    std::string where;
};

// Appends the records of list[begin] .. list[end - 1]; stops at the first that cannot be stored.
void AppendRecords(const TList& list, int begin, int end, int32_t originX, int32_t originY, std::string& out,
                   TUnstorable& unstorable)
{
    TRecordWriter writer(out, originX, originY);
    for (int i = begin; i < end; ++i) {
        WriteObject(writer, *list[i]);
        if (!writer.Exact()) {
            unstorable = {i, UnstorableWhere(writer)};
            return;
        }
    }
}

TLoadResult Failure(const TRecordReader& reader) { return FailureAt(reader.ErrorLine(), reader.Error()); }

}  // namespace

TPoint LoadSheetSize(int unitSystem)
{
    if (unitSystem != 0 && unitSystem != 1)
        return {};
    const TSheetSettings sheet = ReadSettings<TSheetSettings>(unitSystem);
    return {sheet.width, sheet.height};
}

TPoint DrawingFileCentre(int unitSystem)
{
    const TPoint sheet = LoadSheetSize(unitSystem);
    return {ClampToInt32(int64_t(sheet.x / 2) * FILE_SCALE), ClampToInt32(int64_t(sheet.y / 2) * FILE_SCALE)};
}

TStorableRange::TStorableRange() : centre(DrawingFileCentre(State().unitSystem)) {}

bool TStorableRange::Holds(int64_t x, int64_t y) const
{
    auto fits = [](int64_t value) { return value == int64_t(int32_t(value)); };
    return fits(x) && fits(y) && fits(x - centre.x) && fits(y - centre.y);
}

bool StorableInDrawingFile(int64_t x, int64_t y)
{
    return TStorableRange().Holds(x, y);
}

bool AppendObjectRecord(std::string& out, const TObject& object, int32_t originX, int32_t originY,
                        std::string* where)
{
    TRecordWriter writer(out, originX, originY);
    WriteObject(writer, object);
    if (writer.Exact())
        return true;
    if (where)
        *where = UnstorableWhere(writer);
    return false;
}

std::string FormatLibraryHeader(int count, int unitSystem, int groupIdCounter)
{
    std::string out;
    AppendHeader(out, {count, 0, 0, 0, unitSystem, groupIdCounter});
    return out;
}

std::string UnstorableEntryReason(int typeCode, const std::string& where)
{
    return std::string(ObjectKindInWords(typeCode)) + " lies too far from the selection's base point to be stored exactly (" +
           where + "), so nothing was written";
}

bool StreamDrawing(const TList& list, const TFileHeader& header, const std::function<bool(std::string&)>& put,
                   std::string& unstorable)
{
    unstorable.clear();
    const int count = list.count();
    const int pieceCount = std::max(1, (count + PIECE_OBJECTS - 1) / PIECE_OBJECTS);
    std::vector<std::string> pieces(static_cast<std::size_t>(pieceCount));
    std::vector<TUnstorable> failures(static_cast<std::size_t>(pieceCount));
    auto format = [&](int piece) {
        std::string& out = pieces[std::size_t(piece)];
        const int begin = piece * PIECE_OBJECTS;
        const int end = std::min(count, begin + PIECE_OBJECTS);
        // Most records take well under 96 characters; polygons take more and grow the piece once.
        out.reserve(std::size_t(end - begin) * 96 + 64);
        if (piece == 0) {
            TFileHeader written = header;
            written.count = count;
            AppendHeader(out, written);
        }
        AppendRecords(list, begin, end, header.centreX, header.centreY, out, failures[std::size_t(piece)]);
    };
    // Handed in list order, so the first object that cannot be stored is the one named.
    auto hand = [&](int piece) {
        const TUnstorable& first = failures[std::size_t(piece)];
        if (first.index >= 0) {
            unstorable = std::string(ObjectKindInWords(list[first.index]->typeCode)) +
                         " lies too far outside the sheet to be stored exactly (" + first.where +
                         "), so the file is kept as it was";
            return false;
        }
        const bool taken = put(pieces[std::size_t(piece)]);
        std::string().swap(pieces[std::size_t(piece)]);
        return taken;
    };
    return PieceWork::RunInOrder(pieceCount, format, hand);
}

bool FormatDrawingPieces(const TList& list, const TFileHeader& header, std::vector<std::string>& pieces,
                         std::string* reason)
{
    pieces.clear();
    std::string unstorable;
    if (StreamDrawing(
            list, header,
            [&pieces](std::string& piece) {
                pieces.push_back(std::move(piece));
                return true;
            },
            unstorable))
        return true;
    if (reason)
        *reason = unstorable;
    pieces.clear();
    return false;
}

bool FormatDrawing(const TList& list, const TFileHeader& header, std::string& out, std::string* reason)
{
    out.clear();
    std::vector<std::string> pieces;
    if (!FormatDrawingPieces(list, header, pieces, reason))
        return false;
    std::size_t size = 0;
    for (const std::string& piece : pieces)
        size += piece.size();
    out.reserve(size);
    for (const std::string& piece : pieces)
        out += piece;
    return true;
}

TLoadResult ParseObjectFile(const std::string& text, bool library, int64_t originX, int64_t originY,
                            TFileHeader& header, std::vector<std::unique_ptr<TObject>>& objects,
                            std::vector<std::unique_ptr<TObject>>* recycled)
{
    objects.clear();
    TRecordReader reader(text.data(), text.data() + text.size());

    TFileHeader read;
    auto headerFailure = [](const std::string& reason) { return FailureAt(1, reason); };
    if (!(reader.Int(read.count) && reader.Int(read.centreX) && reader.Int(read.centreY) &&
          reader.Int(read.reserved) && reader.Int(read.unitSystem) && reader.Int(read.groupIdCounter) &&
          reader.EndLine()))
        return headerFailure("the header line is not six numbers");
    if (read.count < 0)
        return headerFailure("the object count is negative");
    if (!library && read.unitSystem != 0 && read.unitSystem != 1)
        return headerFailure("the unit system " + std::to_string(read.unitSystem) + " is neither 0 nor 1");
    if (library)
        reader.SetOrigin(originX, originY);
    else
        reader.SetOrigin(read.centreX, read.centreY);

    // The count comes from the file: reserve no more than the text could possibly hold.
    objects.reserve(std::min<std::size_t>(std::size_t(read.count), text.size() / 16 + 1));
    for (int32_t i = 0; i < read.count; ++i) {
        if (reader.AtEnd()) {
            reader.Fail("the file ends after " + std::to_string(i) + " of " + std::to_string(read.count) +
                        " objects");
            break;
        }
        int32_t typeCode = 0;
        const int typeLine = reader.Line();
        if (!reader.Int(typeCode) || !reader.EndLine())
            break;
        std::unique_ptr<TObject> object;
        if (recycled && std::size_t(i) < recycled->size() && (*recycled)[std::size_t(i)] &&
            (*recycled)[std::size_t(i)]->typeCode == typeCode) {
            // One type code, one class: the object of the last reading is renewed.
            object = std::move((*recycled)[std::size_t(i)]);
            object->Renew(typeCode);
        } else {
            object = MakeObjectForType(typeCode);
        }
        if (!object) {
            objects.clear();
            return FailureAt(typeLine, "unknown type code " + std::to_string(typeCode));
        }
        const int recordLine = reader.Line();
        if (!object->ReadRecord(reader))
            break;
        if (object->typeCode != typeCode) {
            objects.clear();
            return FailureAt(recordLine, "the record's type code " + std::to_string(object->typeCode) +
                                             " differs from " + std::to_string(typeCode));
        }
        objects.push_back(std::move(object));
    }
    if (!reader.Failed() && !reader.AtEnd())
        reader.Fail("there is more text after the last of the " + std::to_string(read.count) + " objects");
    if (reader.Failed()) {
        objects.clear();
        return Failure(reader);
    }

    header = read;
    TLoadResult result;
    result.added = int(objects.size());
    return result;
}
