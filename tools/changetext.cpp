#include "tools/changetext.h"

#include "model/drawingedit.h"
#include "model/list.h"
#include "model/textobj.h"
#include "model/typecodes.h"

bool ChangeText(TDrawingEdit& edit, int index, const std::string& text)
{
    TList& objects = edit.Objects();
    if (text.empty() || index < 0 || index >= objects.count() || !IsTextType(objects[index]->typeCode) ||
        !dynamic_cast<TTextobj*>(objects[index]))
        return false;
    static_cast<TTextobj&>(edit.Modify(index)).SetText(text.substr(0, CHANGED_TEXT_CAPACITY));
    return true;
}
