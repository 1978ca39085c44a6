#include "model/drawingedit.h"

#include "model/drawingstate.h"
#include "model/list.h"
#include "model/object.h"
#include "model/piecework.h"

#include <algorithm>
#include <utility>
#include <vector>

TDrawingEdit::TDrawingEdit() : TDrawingEdit(State().objects) {}

TDrawingEdit::TDrawingEdit(TList& objects) : objects(objects) {}

int TDrawingEdit::Add(std::unique_ptr<TObject> object)
{
    if (!object)
        return objects.count() - 1;
    touched.Insert(object.get());
    objects.Add(std::move(object));
    changed = true;
    committed = false;
    return objects.count() - 1;
}

void TDrawingEdit::Replace(int index, std::unique_ptr<TObject> object)
{
    if (index < 0 || index >= objects.count() || !object)
        return;
    Forget(index);
    touched.Insert(object.get());
    objects.Replace(index, std::move(object));
    changed = true;
    committed = false;
}

TObject& TDrawingEdit::Modify(int index)
{
    TObject& object = *objects[index];
    before.Add(object.Bounds());
    touched.Insert(&object);
    changed = true;
    committed = false;
    return object;
}

void TDrawingEdit::ModifiedAll(const std::vector<int>& indices)
{
    // Each piece of a long selection gathers the extent of its objects apart; they are put
    // together after.
    const int count = objects.count();
    const std::size_t slots = PieceWork::RangesFor(indices.size());
    std::vector<TModelBox> extents(slots);
    std::vector<char> met(slots, 0);
    PieceWork::ForRanges(indices.size(), slots, [&](std::size_t piece, std::size_t first, std::size_t end) {
        TModelBox extent;
        bool any = false;
        for (std::size_t i = first; i < end; ++i) {
            const int index = indices[i];
            if (index < 0 || index >= count)
                continue;
            extent.Add(objects[index]->Bounds());
            any = true;
        }
        extents[piece] = extent;
        met[piece] = any;
    });
    bool any = false;
    for (std::size_t piece = 0; piece < slots; ++piece) {
        before.Add(extents[piece]);
        any = any || met[piece] != 0;
    }
    if (!any)
        return;
    changed = true;
    committed = false;
}

void TDrawingEdit::Remove(int index)
{
    if (index < 0 || index >= objects.count())
        return;
    Forget(index);
    objects.Remove(index);
    changed = true;
    committed = false;
}

void TDrawingEdit::RemoveAll(std::vector<int> indices)
{
    std::erase_if(indices, [this](int index) { return index < 0 || index >= objects.count(); });
    if (indices.empty())
        return;
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    for (int index : indices)
        Forget(index);
    objects.RemoveAll(indices);
    changed = true;
    committed = false;
}

void TDrawingEdit::CutBack(int n)
{
    n = std::max(n, 0);
    if (n >= objects.count())
        return;
    for (int index = n; index < objects.count(); ++index)
        Forget(index);
    objects.CutBack(n);
    changed = true;
    committed = false;
}

void TDrawingEdit::Forget(int index)
{
    before.Add(objects[index]->Bounds());
    touched.Erase(objects[index]);
}

TModelBox TDrawingEdit::Area() const
{
    if (committed)
        return committedArea;
    TModelBox area = before;
    touched.ForEach([&area](const TObject* object) { area.Add(object->Bounds()); });
    return area;
}

bool TDrawingEdit::Commit()
{
    committedArea = Area();
    committed = true;
    touched = {};
    if (changed)
        objects.CountEdit();
    std::string failure;
    if (objects.WriteDrawing(&failure))
        return true;
    if (failure.empty())
        return false;  // no drawing to write to
    // The file still holds the drawing as it was before the change: so does the list again, before
    // anything (the report's message box among them) can look at it. A file that cannot be read
    // back leaves the list empty rather than holding the change.
    if (changed)
        objects.ReadBack();
    if (State().reportWriteFailure)
        State().reportWriteFailure(failure + "; the change is not saved");
    return false;
}

void TDrawingEdit::Drop()
{
    committed = true;
    committedArea = Area();
    touched = {};
    if (std::exchange(changed, false))
        objects.ReadBack();
}
