#include "model/drawingedit.h"

#include "model/drawingstate.h"
#include "model/list.h"
#include "model/object.h"

#include <algorithm>
#include <functional>

TDrawingEdit::TDrawingEdit() : TDrawingEdit(State().objects) {}

TDrawingEdit::TDrawingEdit(TList& objects) : objects(objects) {}

int TDrawingEdit::Add(std::unique_ptr<TObject> object)
{
    if (!object)
        return objects.count() - 1;
    touched.push_back(object.get());
    objects.Add(std::move(object));
    changed = true;
    return objects.count() - 1;
}

void TDrawingEdit::Replace(int index, std::unique_ptr<TObject> object)
{
    if (index < 0 || index >= objects.count() || !object)
        return;
    before.Add(objects[index]->Bounds());
    std::erase(touched, objects[index]);
    touched.push_back(object.get());
    objects.Replace(index, std::move(object));
    changed = true;
}

TObject& TDrawingEdit::Modify(int index)
{
    TObject& object = *objects[index];
    before.Add(object.Bounds());
    if (std::find(touched.begin(), touched.end(), &object) == touched.end())
        touched.push_back(&object);
    changed = true;
    return object;
}

void TDrawingEdit::Remove(int index)
{
    if (index < 0 || index >= objects.count())
        return;
    before.Add(objects[index]->Bounds());
    std::erase(touched, objects[index]);
    objects.Remove(index);
    changed = true;
}

void TDrawingEdit::RemoveAll(std::vector<int> indices)
{
    std::sort(indices.begin(), indices.end(), std::greater<int>());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    for (int index : indices)
        Remove(index);
}

void TDrawingEdit::CutBack(int n)
{
    for (int index = objects.count() - 1; index >= std::max(n, 0); --index)
        Remove(index);
}

TModelBox TDrawingEdit::Area() const
{
    TModelBox area = before;
    for (const TObject* object : touched)
        area.Add(object->Bounds());
    return area;
}

bool TDrawingEdit::Commit()
{
    const bool written = objects.WriteDrawing();
    if (changed)
        objects.CountEdit();
    return written;
}
