#pragma once
// File/Rotate/Mirror (TChild::RotateMirrorDrawings): the whole drawing turned clockwise by 90, 180
// or 270 degrees, or mirrored. Under its own name the open drawing changes in place; under another
// name of 3 to 24 characters the result is stored as that drawing (replacing one of that name only
// when the user says so) and opened in its place, on the floor that was in view, while the
// original stays as it was.
class TChild;
class TClient;

void RotateMirrorDrawings(TClient& client, TChild& window);
