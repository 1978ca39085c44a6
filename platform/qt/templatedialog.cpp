#include "platform/qt/templatedialog.h"

#include "platform/checkbox.h"
#include "platform/dialog.h"
#include "platform/edit.h"
#include "platform/listbox.h"
#include "platform/qt/editvalidator.h"
#include "platform/qt/programtext.h"
#include "platform/radiobutton.h"
#include "platform/static.h"
#include "resources/dialogpictures.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include <QPainter>
#include <QPixmap>

#include <cstdlib>
#include <set>

namespace {

// A picture of the picture table drawn at the size of its control: its 32 x 32 box scaled to the
// smaller side, black strokes on the dialog's background.
QPixmap PicturePixmap(const TPicture& picture, QSize size)
{
    const int side = std::max(1, std::min(size.width(), size.height()));
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.scale(side / 32.0, side / 32.0);
    const QPen solid(Qt::black, 1.5);
    QPen dotted(Qt::black, 1.0, Qt::DotLine);
    for (const TPictureStroke& stroke : picture) {
        switch (stroke.kind) {
        case TPictureStroke::Line:
            painter.setPen(solid);
            painter.drawLine(QPointF(stroke.x1, stroke.y1), QPointF(stroke.x2, stroke.y2));
            break;
        case TPictureStroke::Wall:
            painter.setPen(Qt::NoPen);
            painter.setBrush(Qt::darkGray);
            painter.drawRect(QRectF(QPointF(stroke.x1, stroke.y1), QPointF(stroke.x2, stroke.y2)));
            painter.setBrush(Qt::NoBrush);
            break;
        case TPictureStroke::DottedArc: {
            painter.setPen(dotted);
            const QRectF box(stroke.x1 - stroke.x2, stroke.y1 - stroke.x2, 2 * stroke.x2, 2 * stroke.x2);
            painter.drawArc(box, stroke.startAngle * 16, stroke.span * 16);
            break;
        }
        }
    }
    return pixmap;
}

}  // namespace

TemplateDialog::TemplateDialog(const DialogTemplate& dialogTemplate, QWidget* parent)
    : QDialog(parent), dialogTemplate(dialogTemplate)
{
    setFont(DialogFont());
    baseUnits = BaseUnits(font());
    setWindowTitle(ToQString(dialogTemplate.caption));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    QRect size = ToPixels(0, 0, dialogTemplate.width, dialogTemplate.height);
    setFixedSize(size.width(), size.height());
    Build();
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget* old, QWidget* now) { FocusChanged(old, now); });
}

TemplateDialog::~TemplateDialog()
{
    // The base destructors still move the focus as they delete the controls; by then this class's
    // members are gone, so focus changes must no longer reach FocusChanged.
    disconnect(qApp, nullptr, this, nullptr);
}

QFont TemplateDialog::DialogFont()
{
    QFont font("DejaVu Sans Condensed");
    font.setPointSize(8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QSize TemplateDialog::BaseUnits(const QFont& font)
{
    QFontMetrics metrics(font);
    int alphabet = metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return QSize((alphabet / 26 + 1) / 2, metrics.height());
}

QRect TemplateDialog::ToPixels(int x, int y, int cx, int cy) const
{
    auto horizontal = [this](int units) { return (units * baseUnits.width() + 2) / 4; };
    auto vertical = [this](int units) { return (units * baseUnits.height() + 4) / 8; };
    int left = horizontal(x);
    int top = vertical(y);
    return QRect(left, top, horizontal(x + cx) - left, vertical(y + cy) - top);
}

void TemplateDialog::Build()
{
    for (const auto& control : dialogTemplate.controls) {
        QWidget* widget = nullptr;
        QString text = ToQString(control.text);
        switch (control.kind) {
        case ControlKind::PushButton:
        case ControlKind::DefPushButton: {
            auto* button = new QPushButton(text, this);
            button->setDefault(control.kind == ControlKind::DefPushButton);
            int id = control.id;
            connect(button, &QPushButton::clicked, this, [this, id] { Dispatch(id); });
            widget = button;
            break;
        }
        case ControlKind::Edit: {
            auto* edit = new QLineEdit(text, this);
            edit->setFrame(true);
            widget = edit;
            break;
        }
        case ControlKind::Static: {
            auto* label = new QLabel(ToQString(DisplayText(control.text)), this);
            label->setTextFormat(Qt::PlainText);
            label->setWordWrap(true);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            widget = label;
            break;
        }
        case ControlKind::GroupBox: widget = new QGroupBox(text, this); break;
        case ControlKind::AutoRadio: {
            auto* radio = new QRadioButton(text, this);
            radio->setAutoExclusive(false);
            std::vector<int> group = RadioGroupOf(dialogTemplate, control.id);
            QButtonGroup*& buttonGroup = radioGroups[group.front()];
            if (!buttonGroup) {
                buttonGroup = new QButtonGroup(this);
                buttonGroup->setExclusive(true);
            }
            buttonGroup->addButton(radio, control.id);
            radioGroups[control.id] = buttonGroup;
            widget = radio;
            break;
        }
        case ControlKind::CheckBox: widget = new QCheckBox(text, this); break;
        case ControlKind::ListBox: {
            auto* list = new QListWidget(this);
            list->setSelectionMode(QAbstractItemView::SingleSelection);
            int id = control.id;
            connect(list, &QListWidget::itemSelectionChanged, this, [this, id] {
                if (pushing || !dialog || dialog->IsEnded())
                    return;
                PullState();
                dialog->ListSelectionChanged(id);
                PushState();
            });
            widget = list;
            break;
        }
        case ControlKind::Icon: {
            auto* label = new QLabel(this);
            QRect box = ToPixels(control.x, control.y, control.cx, control.cy);
            if (const TPicture* picture = FindDialogPicture(std::atoi(control.text.c_str()))) {
                label->setPixmap(PicturePixmap(*picture, box.size()));
            } else {
                QIcon icon = QApplication::windowIcon();
                if (icon.isNull())
                    icon = style()->standardIcon(QStyle::SP_ComputerIcon);
                label->setPixmap(icon.pixmap(box.size()));
            }
            label->setAlignment(Qt::AlignCenter);
            widget = label;
            break;
        }
        }
        widget->setGeometry(ToPixels(control.x, control.y, control.cx, control.cy));
        widgets.emplace_back(&control, widget);
        if (control.id != -1)
            byId[control.id] = widget;
    }
    // Group boxes are frames behind the controls they surround.
    for (auto& [control, widget] : widgets)
        if (control->kind == ControlKind::GroupBox)
            widget->lower();
}

QWidget* TemplateDialog::ControlWidget(int id) const
{
    auto found = byId.find(id);
    return found == byId.end() ? nullptr : found->second;
}

QButtonGroup* TemplateDialog::RadioGroup(int id) const
{
    auto found = radioGroups.find(id);
    return found == radioGroups.end() ? nullptr : found->second;
}

int TemplateDialog::IdOf(const QWidget* widget) const
{
    for (const auto& [id, candidate] : byId)
        if (candidate == widget)
            return id;
    return 0;
}

void TemplateDialog::Attach(TDialog& attached)
{
    dialog = &attached;
    for (const auto& control : attached.Controls()) {
        auto* edit = dynamic_cast<TEdit*>(control.get());
        auto* lineEdit = qobject_cast<QLineEdit*>(ControlWidget(control->Id()));
        if (edit && lineEdit) {
            lineEdit->setMaxLength(edit->MaxLength() >= 0 ? edit->MaxLength() : 32767);
            lineEdit->setValidator(new EditValidator(edit->GetValidator(), edit->MaxLength(), lineEdit));
        }
    }
    shownFocusId = -1;
    PushState();
    if (attached.FocusId() == 0)
        FocusFirstControl();
}

void TemplateDialog::FocusFirstControl()
{
    // The focus starts on the first control that takes it, as Tab would bring it there: a preset
    // text in an edit is selected, so that typing replaces it.
    for (auto& [control, widget] : widgets) {
        if (!widget->isEnabled() || !(widget->focusPolicy() & Qt::TabFocus))
            continue;
        widget->setFocus(Qt::TabFocusReason);
        if (auto* lineEdit = qobject_cast<QLineEdit*>(widget))
            lineEdit->selectAll();
        shownFocusId = control->id;
        return;
    }
}

void TemplateDialog::PullState()
{
    if (!dialog)
        return;
    for (const auto& control : dialog->Controls()) {
        QWidget* widget = ControlWidget(control->Id());
        if (auto* edit = dynamic_cast<TEdit*>(control.get())) {
            if (auto* lineEdit = qobject_cast<QLineEdit*>(widget))
                edit->SetText(ToProgramText(lineEdit->text()));
        } else if (auto* box = dynamic_cast<TCheckBox*>(control.get())) {
            if (auto* button = qobject_cast<QAbstractButton*>(widget))
                box->SetCheck(button->isChecked());
        } else if (auto* list = dynamic_cast<TListBox*>(control.get())) {
            if (auto* listWidget = qobject_cast<QListWidget*>(widget)) {
                QList<QListWidgetItem*> selected = listWidget->selectedItems();
                list->SetSelIndex(selected.isEmpty() ? -1 : listWidget->row(selected.front()));
            }
        }
    }
    int focused = IdOf(QApplication::focusWidget());
    if (focused != 0) {
        dialog->SetFocusId(focused);
        shownFocusId = focused;
    }
}

void TemplateDialog::PushState()
{
    if (!dialog)
        return;
    // Changes made here are the program's, not the user's: no notifications.
    pushing = true;
    std::set<QButtonGroup*> changedGroups;
    for (const auto& control : dialog->Controls()) {
        QWidget* widget = ControlWidget(control->Id());
        if (!widget)
            continue;
        widget->setEnabled(control->IsWindowEnabled());
        if (auto* edit = dynamic_cast<TEdit*>(control.get())) {
            auto* lineEdit = qobject_cast<QLineEdit*>(widget);
            QString text = ToQString(edit->GetText());
            if (lineEdit && lineEdit->text() != text)
                lineEdit->setText(text);
        } else if (auto* box = dynamic_cast<TCheckBox*>(control.get())) {
            auto* button = qobject_cast<QAbstractButton*>(widget);
            if (button && button->isChecked() != box->IsChecked()) {
                if (QButtonGroup* group = RadioGroup(control->Id()))
                    changedGroups.insert(group);
                else
                    button->setChecked(box->IsChecked());
            }
        } else if (auto* label = dynamic_cast<TStatic*>(control.get())) {
            if (auto* labelWidget = qobject_cast<QLabel*>(widget))
                labelWidget->setText(ToQString(DisplayText(label->GetText())));
        } else if (auto* list = dynamic_cast<TListBox*>(control.get())) {
            auto* listWidget = qobject_cast<QListWidget*>(widget);
            if (!listWidget)
                continue;
            QStringList items;
            for (const auto& item : list->Items())
                items << ToQString(item);
            QStringList shown;
            for (int i = 0; i < listWidget->count(); ++i)
                shown << listWidget->item(i)->text();
            if (shown != items) {
                listWidget->clear();
                listWidget->addItems(items);
            }
            if (list->GetSelIndex() >= 0)
                listWidget->setCurrentRow(list->GetSelIndex());
            else
                listWidget->clearSelection();
        }
    }
    // A group is set whole with its exclusivity lifted, so that code may leave it without a
    // selection.
    for (QButtonGroup* group : changedGroups) {
        group->setExclusive(false);
        for (QAbstractButton* button : group->buttons())
            if (auto* box = dynamic_cast<TCheckBox*>(dialog->FindControl(group->id(button))))
                button->setChecked(box->IsChecked());
        group->setExclusive(true);
    }
    if (dialog->FocusId() != 0 && dialog->FocusId() != shownFocusId) {
        if (QWidget* widget = ControlWidget(dialog->FocusId())) {
            widget->setFocus(Qt::OtherFocusReason);
            if (auto* lineEdit = qobject_cast<QLineEdit*>(widget))
                lineEdit->selectAll();
        }
        shownFocusId = dialog->FocusId();
    }
    pushing = false;
}

void TemplateDialog::Dispatch(int id)
{
    if (!dialog || dialog->IsEnded())
        return;
    PullState();
    dialog->Command(id);
    PushState();
    if (dialog->IsEnded())
        done(dialog->Result());
}

void TemplateDialog::reject()
{
    // Escape and the window's close button end every dialog with IDCANCEL.
    if (dialog)
        Dispatch(2);
    else
        QDialog::reject();
}

void TemplateDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1 && dialog) {
        if (dialog->HelpContext() > 0) {
            PullState();
            dialog->CmHelp();
            PushState();
        }
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TemplateDialog::FocusChanged(QWidget* old, QWidget* now)
{
    // The focus leaving a validated field for another control of this dialog (not OK or Cancel)
    // checks the field; a refusal brings the focus back.
    if (checkingFocus || !dialog || dialog->IsEnded() || !old || !now || !isAncestorOf(now))
        return;
    int oldId = IdOf(old);
    int nowId = IdOf(now);
    if (oldId == 0 || nowId == 1 || nowId == 2)
        return;
    auto* edit = dynamic_cast<TEdit*>(dialog->FindControl(oldId));
    if (!edit || !edit->GetValidator())
        return;
    checkingFocus = true;
    PullState();
    if (!dialog->CheckFieldOnFocusLeave(*edit))
        old->setFocus(Qt::OtherFocusReason);
    PushState();
    checkingFocus = false;
}
