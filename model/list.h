#pragma once
// The object list of the open drawing: every object of every floor, addressed by index in the
// order of addition. The list owns its objects. The drawing file is the store of record: every
// change is written back with WriteDrawing, every repaint reads it again with ReadDrawing.
#include "model/object.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class TDrawingEdit;
struct TExtentsSettings;

// The outcome of reading a drawing, library or paste file.
struct TLoadResult {
    bool ok = true;
    bool opened = true;   // false when the file could not be opened
    std::string message;  // for the user: names the file and the line that does not parse
    int line = 0;         // the line that does not parse, 0 when none
    int added = 0;        // objects loaded
};

// A drawing file read apart from the open drawing: its objects, counter and unit system.
struct TLoadedDrawing {
    std::vector<std::unique_ptr<TObject>> objects;
    int unitSystem = 1;
    int groupIdCounter = 0;
};

class TList {
public:
    TList();
    ~TList();
    TList(const TList&) = delete;
    TList& operator=(const TList&) = delete;

    int count() const { return int(items.size()); }
    int Count() const { return count(); }
    bool IsEmpty() const { return items.empty(); }
    TObject* operator[](int index) const { return items[std::size_t(index)].get(); }

    // Appends an object; the list owns it from then on.
    void Add(TObject* object);
    void Add(std::unique_ptr<TObject> object);
    // Deletes the object at index; the later entries move down one place, keeping their order.
    void Remove(int index);
    // Deletes the objects at these indices, given in ascending order, each once and in range, in
    // one pass; the others move down, keeping their order.
    void RemoveAll(const std::vector<int>& ascending);
    // Deletes every object from index n on.
    void CutBack(int n);
    // Deletes every object.
    void Clear();
    // Takes every object out of the list for the caller to keep; the list is empty afterwards.
    std::vector<std::unique_ptr<TObject>> TakeAll() { return std::exchange(items, {}); }
    // Puts a new object in place of the one at index, which is deleted.
    void Replace(int index, std::unique_ptr<TObject> object);
    void Replace(int index, TObject* object);

    // The drawing file DWGS/<drawingName>.DB0.
    std::string DrawingPath() const;
    // Rewrites the drawing file whole and atomically from the list. Refuses (false) when the
    // file is the one that last failed to load, or when there is no drawing name. Sets
    // drawingState to 2 when the list holds objects. A file that cannot be written, or is refused
    // because it could not be read, is reported with the reason through the drawing state's
    // reportWriteFailure, or, when `failure` is given, put there for the caller to tell. Changes to
    // the list go through a TDrawingEdit, which calls this once per change.
    bool WriteDrawing(std::string* failure = nullptr);
    // Writes the list to the drawing file at path, whole and atomically, and reports nothing: false
    // with the reason when it could not be written (Save As tells the user itself).
    bool WriteDrawingTo(const std::string& path, std::string& reason);
    // Reads the drawing file into the list. When the file is there but cannot be opened the list
    // keeps what it held; when it does not parse, or is missing, the list is left empty. A file that
    // is there but failed to load is marked so that WriteDrawing never overwrites it.
    TLoadResult ReadDrawing();
    // Reads the list back from the drawing file to drop a change of it the file does not hold (a
    // write that failed, a move not locked). A file that cannot be read leaves the list empty
    // rather than holding the change; either way the reading is counted (Readings).
    TLoadResult ReadBack();
    // Reads a drawing file without touching the list or the drawing state (to check a drawing
    // before it replaces the open one). The message names the file on failure. `recycled`: the
    // objects of an earlier reading to read into (see ParseObjectFile).
    static TLoadResult ReadDrawingFile(const std::string& path, TLoadedDrawing& drawing,
                                       std::vector<std::unique_ptr<TObject>>* recycled = nullptr);
    // Makes a drawing read with ReadDrawingFile the list's contents, as ReadDrawing would.
    void Adopt(const std::string& path, TLoadedDrawing drawing);
    // File/Open shows the drawing it has just read, and Enter the moved selection it has just
    // written, without parsing the file again: the list holds what the file holds. While a
    // TRepaintFromList made for the one repaint each makes lives, ReadForRepaint takes the list as
    // it is. Every other repaint reads the file, but while the current tool holds a change of the
    // list not yet stored (TChild::Paint).
    class TRepaintFromList {
    public:
        explicit TRepaintFromList(TList& list) : list(list) { list.repaintFromList = true; }
        ~TRepaintFromList() { list.repaintFromList = false; }
        TRepaintFromList(const TRepaintFromList&) = delete;
        TRepaintFromList& operator=(const TRepaintFromList&) = delete;

    private:
        TList& list;
    };
    // The reading of a repaint: ReadDrawing, but inside a TRepaintFromList.
    TLoadResult ReadForRepaint();
    // Counts the times the list was filled from a drawing file (ReadDrawing, Adopt): a change
    // made to the objects in place is gone once this has moved on.
    std::uint64_t Readings() const { return readings; }
    // True while WriteDrawing refuses to overwrite the file that failed to load.
    bool LoadFailed() const { return !failedPath.empty(); }
    // True while the open drawing's own file is the one that failed to load.
    bool DrawingUnreadable() const { return !failedPath.empty() && failedPath == DrawingPath(); }
    // A new drawing replaces the broken file on purpose: lifts the refusal.
    void ClearLoadFailure() { failedPath.clear(); }

    // Searches. None found is held apart from every index: a drawing may hold more objects than
    // the NO_INDEX its files use for "none".
    // The first wall (mode HIT_WALLS) or text (HIT_TEXTS) of the floor in view under a logical point.
    std::optional<int> FindObjectAt(int mode, int x, int y) const;
    // The first object of a type code, in list order.
    std::optional<int> FindByType(int typeCode) const;
    // The first line (type 1) of the floor in view, in list order, that passes within `tolerance`
    // of a model point; none when no line does.
    std::optional<int> FindLineNear(int x, int y, std::int64_t tolerance) const;

    // The drawing's floor area (square metres or square feet).
    int GetFloorArea() const { return int(floorArea); }
    void SetFloorArea(int area) { floorArea = area; }

    // Writes CFG/EXTENTS.CFG with the extremes of the end points of the current floor's external
    // walls (display modes 1, 3, 11 and 13: dimensions not shown) or of its automatic dimension
    // lines (every other mode; those of the floor below when it has none). Nothing measured leaves
    // the start values (TExtentsSettings). Reads the drawing first when the list is empty. False
    // when the file could not be written; `reason` then says why. `measured`, when given, gets
    // what was written.
    bool WriteExtents(std::string* reason = nullptr, TExtentsSettings* measured = nullptr);
    // Whether WriteExtents measures the external walls in this display mode, not the dimensions.
    static bool ExtentsMeasureWalls(int displayMode);
    // The title of the floor in view (CFG/TITLE2D.CFG) centred below its external walls, in place
    // of an earlier one of the same text; added through `edit`, an edit of this list, which the
    // caller commits. Nothing for a floor without a title or without walls.
    void MakeDrawingTitles(TDrawingEdit& edit);

    // Symbol libraries and the paste buffer under LIBS/. LoadLibraryFile reads the objects of the
    // file placed near the lower left of the view, on the floor in view, without adding them;
    // ReadLibraryFile appends them to the list.
    static TLoadResult LoadLibraryFile(const std::string& fileName, std::vector<std::unique_ptr<TObject>>& loaded);
    TLoadResult ReadLibraryFile(const std::string& fileName);
    // Writes the objects of the selection list (CFG/COPY.CFG), each relative to its entry's base
    // point, as the entry LIBS/<name><extension> of a library (1 plumbing .. 4 miscellaneous).
    // False when the library, the name or the selection is not one to save, or the file could not
    // be written; `reason` then says why.
    bool SaveLibrarySymbol(int library, const std::string& name, std::string* reason = nullptr);
    // Lists an entry in its library: appends the name to the library's index and counts it in
    // CFG/LIM.CFG (one count file for both unit systems). A name the library lists already (in any
    // case) is not added again. False when the library or name cannot be one, or a file could not
    // be written (`reason` then says why).
    bool RegisterLibraryFile(int library, const std::string& name, std::string* reason = nullptr);

    // Turns the whole drawing clockwise by 90, 180 or 270 degrees, or mirrors it left to right
    // (rotation 1), about the sheet centre; a window's size label then stands by its wall as the
    // window tool would place it there. False (and nothing changed) for any other value, and when
    // a point would be carried beyond what the drawing file can hold.
    bool RotateOrMirrorDrawing(int rotation);

    // Counts the changes committed through TDrawingEdit; a repaint (ReadDrawing) does not count.
    int EditCount() const { return editCount; }
    void CountEdit() { ++editCount; }

    // The objects, for code that walks them.
    const std::vector<std::unique_ptr<TObject>>& Items() const { return items; }

private:
    std::vector<std::unique_ptr<TObject>> items;
    double floorArea = 0.0;
    std::string failedPath;  // the drawing file that failed to load
    int editCount = 0;
    bool repaintFromList = false;  // inside a TRepaintFromList
    std::uint64_t readings = 0;
};
