#pragma once
// A modal Qt dialog built from a dialog template: one widget per template control, placed by its
// dialog units converted with the base units of the dialog font, each automatic radio group in a
// button group of its own. Attached to a TDialog, it shows the dialog's control state, hands every
// button, Escape and F1 to the dialog's handlers, and runs the focus-leave check of validated
// fields.
#include "resources/dialogtemplates.h"

#include <QDialog>
#include <QFont>
#include <QPoint>
#include <QSize>

#include <map>
#include <vector>

class QButtonGroup;
class TDialog;
class TEdit;

class TemplateDialog : public QDialog {
public:
    TemplateDialog(const DialogTemplate& dialogTemplate, QWidget* parent = nullptr);
    ~TemplateDialog() override;

    // The font dialog units are measured in.
    static QFont DialogFont();
    // Pixels per 4 horizontal and 8 vertical dialog units: a quarter of the font's average
    // character width and an eighth of its height.
    static QSize BaseUnits(const QFont& font);
    QRect ToPixels(int x, int y, int cx, int cy) const;

    const DialogTemplate& Template() const { return dialogTemplate; }
    // The widget of a control id; null when the template has none.
    QWidget* ControlWidget(int id) const;
    // Every widget with the template control it was built from, in template order.
    const std::vector<std::pair<const ControlTemplate*, QWidget*>>& Widgets() const { return widgets; }
    QButtonGroup* RadioGroup(int id) const;

    // Binds the dialog object: shows its state and routes commands to it until it ends.
    void Attach(TDialog& dialog);
    // Copies the widgets' state into the control objects, and back.
    void PullState();
    void PushState();

protected:
    void reject() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    const DialogTemplate& dialogTemplate;
    QSize baseUnits;
    std::vector<std::pair<const ControlTemplate*, QWidget*>> widgets;
    std::map<int, QWidget*> byId;
    std::map<int, QButtonGroup*> radioGroups;  // by button id
    TDialog* dialog = nullptr;
    int shownFocusId = 0;
    bool checkingFocus = false;
    bool pushing = false;

    void Build();
    void FocusFirstControl();
    void Dispatch(int id);
    void FocusChanged(QWidget* old, QWidget* now);
    int IdOf(const QWidget* widget) const;
};
