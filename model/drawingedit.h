#pragma once
// One change to the object list. Every tool, edit and command that adds, replaces or removes
// drawing objects does it through an edit and commits it once: the drawing file is written once,
// the area the change covers is known (for the repaint), the change counter that undo relies on
// moves on, and a drawing file that cannot be written is reported to the user.
//
//     TDrawingEdit edit;
//     edit.Add(std::move(line));
//     edit.Commit();
//
// The edit works on the list at once (indices given to Replace, Modify and Remove are the list's
// indices at the time of the call); Commit only writes the file and reports.
#include "model/modelbox.h"
#include "model/objectset.h"

#include <memory>
#include <vector>

class TList;
class TObject;

class TDrawingEdit {
public:
    // An edit of the current drawing's list.
    TDrawingEdit();
    explicit TDrawingEdit(TList& objects);
    TDrawingEdit(const TDrawingEdit&) = delete;
    TDrawingEdit& operator=(const TDrawingEdit&) = delete;

    TList& Objects() const { return objects; }

    // Appends an object; returns its index. The list owns it from then on.
    int Add(std::unique_ptr<TObject> object);
    // Puts a new object in place of the one at index, which is deleted.
    void Replace(int index, std::unique_ptr<TObject> object);
    // The object at index, to be changed in place: its extent before the change counts to the area.
    TObject& Modify(int index);
    // The objects at these indices have been changed in place already and change no more (a whole
    // selection moved or turned): they are measured once, here, as they stand, for the area, in
    // one pass. Indices out of range are ignored. An edit of the whole drawing takes them all at
    // once, without asking for each whether it has met it before.
    void ModifiedAll(const std::vector<int>& indices);
    // Deletes the object at index; the later entries move down one place.
    void Remove(int index);
    // Deletes the objects at these indices (any order, duplicates and indices out of range
    // ignored); the others keep their order.
    void RemoveAll(std::vector<int> indices);
    // Deletes every object from index n on.
    void CutBack(int n);

    // True when the edit changed the list.
    bool Changed() const { return changed; }
    // The model area the change covers: the extents of what was removed or replaced, and of what
    // was added, replaced or modified as it is now; after Commit, as it was when committed (the
    // objects may be gone by then).
    TModelBox Area() const;

    // Rewrites the drawing file once (also when nothing changed: the caller wants the file to
    // hold the list). A changed edit moves the drawing's change counter on, written or not (undo
    // starts a new run after it). False when it could not be written: the list is then read back
    // from the file, so it holds what the file holds (the change is dropped), and the user is told
    // which file, why, and that the change is not saved. Either way nothing may touch the edit's
    // objects afterwards: the report's message box can repaint, and every repaint reads the list
    // afresh from the file.
    bool Commit();
    // Gives the change up unwritten, for an action refused after it changed the list: a changed
    // list is read back from the drawing file, so it holds what the file holds again (empty when the
    // file cannot be read, rather than holding the change). Nothing may touch the edit's objects
    // afterwards.
    void Drop();

private:
    // The object at index is going: what it covered counts to the area, and it is no longer one
    // of the touched.
    void Forget(int index);

    TList& objects;
    bool changed = false;
    bool committed = false;
    TModelBox committedArea;               // Area() when committed
    TModelBox before;                      // extents of what went away, and of what ModifiedAll took
    // Objects added, replaced or modified and still in the list: a set, so that an edit of many
    // objects asks whether it has each in the same time however many it has.
    TObjectSet touched;
};
