#include "platform/qt/printersetupdialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

PrinterSetupDialog::PrinterSetupDialog(QPrinter& printer, QWidget* parent) : QDialog(parent), printer(printer)
{
    setWindowTitle("Printer Setup");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* printerGroup = new QGroupBox("Printer", this);
    auto* printerForm = new QFormLayout(printerGroup);
    printerBox = new QComboBox(printerGroup);
    printerNote = new QLabel(printerGroup);
    printerNote->setWordWrap(true);
    printerForm->addRow("&Name:", printerBox);
    printerForm->addRow(QString(), printerNote);
    const QStringList names = QPrinterInfo::availablePrinterNames();
    const QString defaultName = QPrinterInfo::defaultPrinterName();
    for (const QString& name : names)
        printerBox->addItem(name == defaultName ? name + " (default)" : name, name);
    // A PDF file is always there to print to, with or without a printer.
    printerBox->addItem("PDF file");
    int current = PdfIndex();
    if (printer.outputFormat() != QPrinter::PdfFormat && !names.isEmpty()) {
        current = printerBox->findData(printer.printerName());
        if (current < 0)
            current = std::max(0, printerBox->findData(defaultName));
    }
    printerBox->setCurrentIndex(current);

    auto* paperGroup = new QGroupBox("Paper", this);
    auto* paperForm = new QFormLayout(paperGroup);
    paperBox = new QComboBox(paperGroup);
    paperForm->addRow("&Size:", paperBox);
    auto* orientationRow = new QHBoxLayout;
    portrait = new QRadioButton("&Portrait", paperGroup);
    landscape = new QRadioButton("&Landscape", paperGroup);
    orientationRow->addWidget(portrait);
    orientationRow->addWidget(landscape);
    orientationRow->addStretch();
    paperForm->addRow("Orientation:", orientationRow);

    const QPageLayout layout = printer.pageLayout();
    FillPaperSizes(layout.pageSize().id());
    (layout.orientation() == QPageLayout::Landscape ? landscape : portrait)->setChecked(true);
    ShowNote();
    connect(printerBox, &QComboBox::currentIndexChanged, this, [this] {
        FillPaperSizes(QPageSize::PageSizeId(paperBox->currentData().toInt()));
        ShowNote();
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* column = new QVBoxLayout(this);
    column->addWidget(printerGroup);
    column->addWidget(paperGroup);
    column->addWidget(buttons);
    setMinimumWidth(360);
}

int PrinterSetupDialog::PdfIndex() const
{
    return printerBox->count() - 1;
}

bool PrinterSetupDialog::PdfChosen() const
{
    return printerBox->currentIndex() == PdfIndex();
}

void PrinterSetupDialog::ShowNote()
{
    if (!PdfChosen()) {
        printerNote->setVisible(false);
        return;
    }
    // The PDF file is the only entry when no printer is installed.
    printerNote->setText(PdfIndex() == 0
                             ? "No printer is installed: plans are printed to a PDF file named after the drawing, in DWGS."
                             : "Plans are printed to a PDF file named after the drawing, in DWGS.");
    printerNote->setVisible(true);
}

QList<QPageSize> PrinterSetupDialog::StandardPaperSizes()
{
    QList<QPageSize> sizes;
    for (QPageSize::PageSizeId id : {QPageSize::A4, QPageSize::A3, QPageSize::A2, QPageSize::A1, QPageSize::A0,
                                     QPageSize::Letter, QPageSize::Legal, QPageSize::Tabloid})
        sizes.append(QPageSize(id));
    return sizes;
}

void PrinterSetupDialog::FillPaperSizes(QPageSize::PageSizeId keep)
{
    QList<QPageSize> sizes;
    QPageSize preferred;
    if (!PdfChosen()) {
        const QPrinterInfo info = QPrinterInfo::printerInfo(printerBox->currentData().toString());
        sizes = info.supportedPageSizes();
        preferred = info.defaultPageSize();
    }
    if (sizes.isEmpty())
        sizes = StandardPaperSizes();
    paperBox->clear();
    for (const QPageSize& size : sizes)
        if (size.id() != QPageSize::Custom)
            paperBox->addItem(size.name(), int(size.id()));
    int index = paperBox->findData(int(keep));
    if (index < 0 && preferred.isValid())
        index = paperBox->findData(int(preferred.id()));
    paperBox->setCurrentIndex(std::max(0, index));
}

void PrinterSetupDialog::accept()
{
    // The printer first: choosing one brings its own default paper, which the choice here replaces.
    if (PdfChosen()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
    } else {
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName(printerBox->currentData().toString());
    }
    printer.setPageSize(QPageSize(QPageSize::PageSizeId(paperBox->currentData().toInt())));
    printer.setPageOrientation(landscape->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait);
    QDialog::accept();
}
