#pragma once
// Printer Setup: which printer the plans go to (an installed printer, or a PDF file), on what
// paper and which way round, with OK and Cancel. Nothing is printed here; OK sets the choices on
// the printer that printing later uses, Cancel leaves it as it was. The PDF file is named when a
// job starts (the program writes it beside the drawing).
#include <QDialog>
#include <QPageSize>

class QComboBox;
class QLabel;
class QPrinter;
class QRadioButton;

class PrinterSetupDialog : public QDialog {
public:
    PrinterSetupDialog(QPrinter& printer, QWidget* parent = nullptr);

    QComboBox* PrinterBox() const { return printerBox; }
    // The printer box's entry that prints to a PDF file.
    int PdfIndex() const;
    // True while the PDF file is the choice.
    bool PdfChosen() const;
    QComboBox* PaperBox() const { return paperBox; }
    QRadioButton* PortraitButton() const { return portrait; }
    QRadioButton* LandscapeButton() const { return landscape; }

    // The paper sizes offered when the printer names none (or there is no printer).
    static QList<QPageSize> StandardPaperSizes();

    void accept() override;

private:
    QPrinter& printer;
    QComboBox* printerBox;
    QLabel* printerNote;
    QComboBox* paperBox;
    QRadioButton* portrait;
    QRadioButton* landscape;

    void FillPaperSizes(QPageSize::PageSizeId keep);
    void ShowNote();
};
