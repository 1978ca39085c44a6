#pragma once
// Dialog templates as data: each dialog's caption, size in dialog units and controls. The dialog
// runners build their windows from these tables and bind them to the dialog objects by control id.
//
// Dialog units: a horizontal unit is a quarter of the dialog font's average character width, a
// vertical unit an eighth of its height.
#include <string>
#include <vector>

enum class ControlKind {
    PushButton,
    DefPushButton,  // the button Enter presses
    Edit,
    Static,         // a label; id -1 when no code addresses it
    GroupBox,       // a frame with a title; id -1
    AutoRadio,      // a radio button of an automatic group (see RadioGroupOf)
    CheckBox,
    ListBox,
    Icon,           // the program icon
};

struct ControlTemplate {
    int id = -1;
    ControlKind kind = ControlKind::Static;
    std::string text;  // "&&" stands for one '&'
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    bool groupStart = false;  // an automatic radio button that starts a new group
    bool sorted = false;      // a list box that keeps its items in alphabetical order
};

struct DialogTemplate {
    int id = 0;
    std::string caption;
    int width = 0;
    int height = 0;
    std::vector<ControlTemplate> controls;
};

// The template with this resource id; null when there is none.
const DialogTemplate* FindDialogTemplate(int id);

// Every template, in resource-id order.
const std::vector<DialogTemplate>& AllDialogTemplates();

// The control with this id in the template; null when there is none (id -1 is never found).
const ControlTemplate* FindControlTemplate(const DialogTemplate& dialog, int id);

// The ids of the automatic radio group that holds the button `id`, in template order: a run of
// consecutive automatic radio buttons, broken by any other control and by a button that starts a
// group. Empty when `id` is not an automatic radio button of the template.
std::vector<int> RadioGroupOf(const DialogTemplate& dialog, int id);

// A template text as it appears on the screen: "&&" becomes "&", a single '&' (a mnemonic marker)
// is dropped.
std::string DisplayText(const std::string& templateText);
