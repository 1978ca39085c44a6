// Printer Setup: a printer, a paper size and an orientation with OK and Cancel; OK sets them on the
// printer, Cancel leaves it as it was, and nothing is printed.
#include "platform/qt/printersetupdialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Runs the dialog modally, with `step` done once it is open.
int RunWith(PrinterSetupDialog& dialog, std::function<void()> step)
{
    QTimer::singleShot(0, &dialog, std::move(step));
    return dialog.exec();
}

void ChoosePaper(PrinterSetupDialog& dialog, QPageSize::PageSizeId id)
{
    const int index = dialog.PaperBox()->findData(int(id));
    ASSERT_GE(index, 0) << QPageSize(id).name().toStdString();
    dialog.PaperBox()->setCurrentIndex(index);
}

QPushButton* StandardButton(QDialog& dialog, QDialogButtonBox::StandardButton which)
{
    auto* box = dialog.findChild<QDialogButtonBox*>();
    return box ? box->button(which) : nullptr;
}

}  // namespace

TEST(PrinterSetup, OffersOkAndCancelAndNoPrintButton)
{
    QPrinter printer;
    PrinterSetupDialog dialog(printer);
    EXPECT_EQ(dialog.windowTitle(), "Printer Setup");
    ASSERT_NE(StandardButton(dialog, QDialogButtonBox::Ok), nullptr);
    ASSERT_NE(StandardButton(dialog, QDialogButtonBox::Cancel), nullptr);
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        EXPECT_FALSE(button->text().remove('&').contains("Print")) << button->text().toStdString();
    EXPECT_GE(dialog.PrinterBox()->count(), 1);
    // The paper offered always includes the common sizes of plans.
    for (QPageSize::PageSizeId id : {QPageSize::A4, QPageSize::A3})
        EXPECT_GE(dialog.PaperBox()->findData(int(id)), 0) << int(id);
}

TEST(PrinterSetup, OkSetsPaperAndOrientationAndCancelKeepsThem)
{
    QPrinter printer;
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    {
        PrinterSetupDialog dialog(printer);
        EXPECT_EQ(dialog.PaperBox()->currentData().toInt(), int(QPageSize::A4));
        EXPECT_TRUE(dialog.PortraitButton()->isChecked());
        const int result = RunWith(dialog, [&] {
            ChoosePaper(dialog, QPageSize::A3);
            dialog.LandscapeButton()->setChecked(true);
            StandardButton(dialog, QDialogButtonBox::Ok)->click();
        });
        EXPECT_EQ(result, QDialog::Accepted);
    }
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A3);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);

    {
        // The next run starts from the printer's settings; Cancel changes nothing.
        PrinterSetupDialog dialog(printer);
        EXPECT_EQ(dialog.PaperBox()->currentData().toInt(), int(QPageSize::A3));
        EXPECT_TRUE(dialog.LandscapeButton()->isChecked());
        const int result = RunWith(dialog, [&] {
            ChoosePaper(dialog, QPageSize::A4);
            dialog.PortraitButton()->setChecked(true);
            StandardButton(dialog, QDialogButtonBox::Cancel)->click();
        });
        EXPECT_EQ(result, QDialog::Rejected);
    }
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A3);
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
}

TEST(PrinterSetup, APdfFileIsAlwaysAmongThePrinters)
{
    QPrinter printer;
    printer.setOutputFormat(QPrinter::NativeFormat);
    {
        PrinterSetupDialog dialog(printer);
        ASSERT_GE(dialog.PdfIndex(), 0);
        EXPECT_EQ(dialog.PrinterBox()->itemText(dialog.PdfIndex()), "PDF file");
        EXPECT_TRUE(dialog.PrinterBox()->isEnabled());
        // Without a printer installed the PDF file is the choice.
        if (QPrinterInfo::availablePrinterNames().isEmpty()) {
            EXPECT_TRUE(dialog.PdfChosen());
        }
        const int result = RunWith(dialog, [&] {
            dialog.PrinterBox()->setCurrentIndex(dialog.PdfIndex());
            ChoosePaper(dialog, QPageSize::A3);
            StandardButton(dialog, QDialogButtonBox::Ok)->click();
        });
        EXPECT_EQ(result, QDialog::Accepted);
    }
    EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A3);
    // The next run shows the PDF file chosen.
    PrinterSetupDialog again(printer);
    EXPECT_TRUE(again.PdfChosen());
}
