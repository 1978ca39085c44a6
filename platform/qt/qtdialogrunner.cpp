#include "platform/qt/qtdialogrunner.h"

#include "platform/colourdialog.h"
#include "platform/dialog.h"
#include "platform/inputdialog.h"
#include "platform/messagebuttons.h"
#include "platform/qt/editvalidator.h"
#include "platform/qt/helpviewer.h"
#include "platform/qt/programtext.h"
#include "platform/qt/templatedialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <stdexcept>

namespace {

// The window a new modal window belongs to: the open modal window, else the owner.
QWidget* ModalParent(QWidget* owner)
{
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : owner;
}

}  // namespace

QtDialogRunner::QtDialogRunner(QWidget* owner) : owner(owner)
{
}

QtDialogRunner::~QtDialogRunner()
{
    delete viewer.data();
}

int QtDialogRunner::RunDialog(TDialog& dialog)
{
    const DialogTemplate* dialogTemplate = FindDialogTemplate(dialog.ResourceId());
    if (!dialogTemplate)
        throw std::logic_error("dialog " + std::to_string(dialog.ResourceId()) + " has no template");
    dialog.Bind(*dialogTemplate);
    TemplateDialog window(*dialogTemplate, ModalParent(owner));
    dialog.SetupWindow();
    window.Attach(dialog);
    if (shownHook)
        shownHook(window);
    if (!dialog.IsEnded())
        window.exec();
    return dialog.IsEnded() ? dialog.Result() : IDCANCEL;
}

int QtDialogRunner::RunInput(TInputDialog& input)
{
    QDialog window(ModalParent(owner));
    window.setFont(TemplateDialog::DialogFont());
    window.setWindowTitle(ToQString(input.Title()));
    window.setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* layout = new QVBoxLayout(&window);
    auto* prompt = new QLabel(ToQString(input.Prompt()), &window);
    prompt->setTextFormat(Qt::PlainText);
    prompt->setVisible(!input.Prompt().empty());
    auto* edit = new QLineEdit(&window);
    edit->setMaxLength(input.MaxLength());
    edit->setValidator(new EditValidator(nullptr, input.MaxLength(), edit));
    edit->setText(ToQString(input.GetBuffer()));
    edit->selectAll();
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &window);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &window, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &window, &QDialog::reject);
    layout->addWidget(prompt);
    layout->addWidget(edit);
    layout->addWidget(buttons);
    window.setMinimumWidth(TemplateDialog::BaseUnits(window.font()).width() * 40);
    if (window.exec() != QDialog::Accepted)
        return IDCANCEL;
    input.SetBuffer(ToProgramText(edit->text()));
    return IDOK;
}

int QtDialogRunner::RunColour(TColourDialog& chooser)
{
    const TColor initial = chooser.Colour();
    QColorDialog window(QColor(RedOf(initial), GreenOf(initial), BlueOf(initial)), ModalParent(owner));
    window.setOption(QColorDialog::DontUseNativeDialog);
    window.setWindowTitle(ToQString(chooser.Title()));
    if (window.exec() != QDialog::Accepted)
        return IDCANCEL;
    const QColor chosen = window.selectedColor();
    chooser.SetColour(MakeColour(chosen.red(), chosen.green(), chosen.blue()));
    return IDOK;
}

int QtDialogRunner::MessageBox(const std::string& text, const std::string& caption, unsigned flags)
{
    QMessageBox box(ModalParent(owner));
    // Messages name files by their paths, which the file system keeps in UTF-8.
    box.setWindowTitle(QString::fromStdString(caption));
    box.setText(QString::fromStdString(text));
    box.setTextFormat(Qt::PlainText);
    switch (flags & MB_ICONMASK) {
    case MB_ICONEXCLAMATION: box.setIcon(QMessageBox::Warning); break;
    case MB_ICONINFORMATION: box.setIcon(QMessageBox::Information); break;
    case MB_ICONQUESTION: box.setIcon(QMessageBox::Question); break;
    case MB_ICONSTOP: box.setIcon(QMessageBox::Critical); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
    }
    const auto standardOf = [](int result) {
        switch (result) {
        case IDCANCEL: return QMessageBox::Cancel;
        case IDYES: return QMessageBox::Yes;
        case IDNO: return QMessageBox::No;
        default: return QMessageBox::Ok;
        }
    };
    for (int result : MessageButtons(flags))
        box.addButton(standardOf(result));
    box.setDefaultButton(standardOf(DefaultMessageButton(flags)));
    box.setEscapeButton(box.button(standardOf(EscapeMessageButton(flags))));
    box.exec();
    switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Ok: return IDOK;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    case QMessageBox::Cancel: return IDCANCEL;
    default: return EscapeMessageButton(flags);  // closed without a button
    }
}

void QtDialogRunner::Help(int contextId)
{
    // The help window must stay usable beside an open modal dialog, so it belongs to that
    // dialog while one is open.
    QWidget* parent = ModalParent(owner);
    if (viewer && viewer->parentWidget() != parent) {
        delete viewer.data();
        viewer = nullptr;
    }
    if (!viewer)
        viewer = new HelpViewer(parent, owner);
    viewer->ShowContext(contextId);
}
