#include <gtest/gtest.h>

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFontComboBox>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QTest>

#include "platform/ColorValue.h"
#include "platform/Fonts.h"
#include "platform/ui/DocumentPrinter.h"
#include "platform/ui/QtDialogs.h"
#include "support/TestEnvironment.h"
#include "support/ui/ModalDriver.h"

using namespace platform;

namespace {

FileRequest caseFile(const QString& title, const QString& folder, const QString& name) {
  FileRequest r;
  r.title = title;
  r.filter = QStringLiteral("Kelvane_2026 Files|*.PVX");
  r.defaultExtension = QStringLiteral("PVX");
  r.initialFolder = folder;
  r.fileName = name;
  return r;
}

}  // namespace

TEST(QtDialogs, StandardMessageRunsTheHelpOnlyWhenAskedFor) {
  ui::QtDialogs dialogs;
  int helped = 0;
  for (const auto button : {QMessageBox::Help, QMessageBox::Ok}) {
    testenv::WhenModal<QMessageBox>([&](QMessageBox& box) {
      EXPECT_EQ(box.windowTitle(), "Your Tahoma Font Is Missing");
      EXPECT_EQ(box.text(), "The Tahoma font is not installed on this computer.");
      EXPECT_EQ(box.icon(), QMessageBox::NoIcon);
      QTest::mouseClick(box.button(button), Qt::LeftButton);
    });
    const StandardAnswer answer = dialogs.ShowStandardMessageWithHelp(
        "The Tahoma font is not installed on this computer.", "Your Tahoma Font Is Missing",
        [&] { ++helped; });
    EXPECT_EQ(answer, button == QMessageBox::Help ? StandardAnswer::Help : StandardAnswer::Ok);
  }
  EXPECT_EQ(helped, 1);
}

TEST(QtDialogs, SaveDialogProposesTheNameAndAddsTheExtension) {
  ui::QtDialogs dialogs;
  const QString folder = testenv::scratchFolder();
  testenv::WhenModal<QFileDialog>([&](QFileDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Save Case");
    EXPECT_EQ(d.nameFilters(), QStringList{"Kelvane_2026 Files (*.PVX)"});
    EXPECT_EQ(QDir(d.directory()).canonicalPath(), QDir(folder).canonicalPath());
    EXPECT_EQ(d.acceptMode(), QFileDialog::AcceptSave);
    // The program asks about replacing a file itself, once its extension is added.
    EXPECT_TRUE(d.testOption(QFileDialog::DontConfirmOverwrite));
    static_cast<QDialog&>(d).accept();
  });
  const auto chosen = dialogs.ShowSaveDialog(caseFile("Save Case", folder, "Smith"));
  ASSERT_TRUE(chosen);
  EXPECT_EQ(QFileInfo(*chosen).fileName(), "Smith.PVX");
  EXPECT_EQ(QFileInfo(*chosen).dir().canonicalPath(), QDir(folder).canonicalPath());
}

TEST(QtDialogs, CancelledOpenDialogGivesNoFile) {
  ui::QtDialogs dialogs;
  testenv::WhenModal<QFileDialog>([](QFileDialog& d) {
    EXPECT_EQ(d.fileMode(), QFileDialog::ExistingFile);
    d.reject();
  });
  EXPECT_EQ(dialogs.ShowOpenDialog(caseFile("Open Case", testenv::scratchFolder(), "")),
            std::nullopt);
}

TEST(QtDialogs, FolderPickerGivesThePathWithoutTrailingSeparator) {
  ui::QtDialogs dialogs;
  const QString cases = testenv::scratchFolder() + "/Cases";
  ASSERT_TRUE(QDir().mkpath(cases));
  testenv::WhenModal<QFileDialog>([&](QFileDialog& d) {
    EXPECT_EQ(d.windowTitle(), "Click On The Folder To Set As Default For Your Data Saves");
    d.setDirectory(cases);
    static_cast<QDialog&>(d).accept();
  });
  EXPECT_EQ(dialogs.BrowseForFolder("Click On The Folder To Set As Default For Your Data Saves"),
            QDir::cleanPath(cases));
  testenv::WhenModal<QFileDialog>([](QFileDialog& d) { d.reject(); });
  EXPECT_EQ(dialogs.BrowseForFolder("Pick"), "");
}

TEST(QtDialogs, ColourDialogStartsFromAndReturnsStoredColourValues) {
  ui::QtDialogs dialogs;
  testenv::WhenModal<QColorDialog>([](QColorDialog& d) {
    EXPECT_EQ(d.currentColor(), ColorFromValue(8421504u));
    d.setCurrentColor(QColor(237, 233, 216));
    static_cast<QDialog&>(d).accept();
  });
  EXPECT_EQ(dialogs.ShowColorDialog(8421504u), 14215661u);
  testenv::WhenModal<QColorDialog>([](QColorDialog& d) { d.reject(); });
  EXPECT_EQ(dialogs.ShowColorDialog(0), std::nullopt);
}

TEST(QtDialogs, FontDialogKeepsTheSizeWithinLimits) {
  ASSERT_TRUE(RegisterTahomaIfMissing());
  ui::QtDialogs dialogs;
  testenv::WhenModal<QFontDialog>([](QFontDialog& d) {
    EXPECT_EQ(d.currentFont().family(), "Tahoma");
    QFont f("Tahoma");
    f.setPointSizeF(14);
    f.setBold(true);
    d.setCurrentFont(f);
    static_cast<QDialog&>(d).accept();
  });
  const auto chosen = dialogs.ShowFontDialog(FontRequest{{"Tahoma", 10, false, false}, 10, 10});
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->face, "Tahoma");
  EXPECT_EQ(chosen->size, 10.0f);
  EXPECT_TRUE(chosen->bold);
  testenv::WhenModal<QFontDialog>([](QFontDialog& d) { d.reject(); });
  EXPECT_EQ(dialogs.ShowFontDialog({}), std::nullopt);
}

TEST(QtDialogs, FaceOnlyFontDialogOffersFacesAtItsOneSize) {
  ASSERT_TRUE(RegisterTahomaIfMissing());
  ui::QtDialogs dialogs;
  testenv::WhenModal<QDialog>([](QDialog& d) {
    auto* faces = d.findChild<QFontComboBox*>();
    ASSERT_NE(faces, nullptr);
    EXPECT_EQ(faces->currentFont().family(), "Tahoma");
    EXPECT_EQ(d.findChildren<QComboBox*>().size(), 1);  // no size or style to choose
    EXPECT_FALSE(faces->isEditable());                   // nor a face typed or left empty
    faces->setCurrentFont(QFont("DejaVu Sans"));
    d.accept();
  });
  const auto chosen = dialogs.ShowFontDialog(FaceOnlyFontRequest("Tahoma", 9));
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->face, "DejaVu Sans");
  EXPECT_EQ(chosen->size, 9.0f);
  EXPECT_FALSE(chosen->bold);
  testenv::WhenModal<QDialog>([](QDialog& d) { d.reject(); });
  EXPECT_EQ(dialogs.ShowFontDialog(FaceOnlyFontRequest("Tahoma", 10)), std::nullopt);
}

// With no printer installed (the test platform has none) the dialog says so
// and still offers printing to a PDF file.
TEST(QtDialogs, PrintDialogOffersTheAskedPagesAndAPdfFileWithoutAPrinter) {
  ASSERT_FALSE(PrinterAvailable());
  ui::QtDialogs dialogs;
  const QString pdf = testenv::scratchFolder() + "/Printed.pdf";
  testenv::WhenModal<QPrintDialog>([&](QPrintDialog& d) {
    EXPECT_EQ(d.minPage(), 1);
    EXPECT_EQ(d.maxPage(), 1);
    EXPECT_FALSE(d.testOption(QAbstractPrintDialog::PrintSelection));
    EXPECT_TRUE(d.testOption(QAbstractPrintDialog::PrintToFile));
    auto* note = d.findChild<QLabel*>("NoPrinterNote");
    ASSERT_NE(note, nullptr);
    EXPECT_TRUE(note->isVisible());
    EXPECT_TRUE(note->text().startsWith("No printer is installed."));
    // The one printer it lists is the PDF file; the user types its name.
    auto* file = d.findChild<QLineEdit*>("filename");
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(file->isEnabled());
    file->setText(pdf);
    d.accept();
  });
  const auto choice = dialogs.ShowPrintDialog(PrintRequest{});
  ASSERT_TRUE(choice);
  EXPECT_EQ(choice->outputFile, pdf);
  EXPECT_EQ(dialogs.CurrentPrinterName(), "");
  PrintRequest noFile;
  noFile.noPrintToFile = true;
  testenv::WhenModal<QPrintDialog>([](QPrintDialog& d) {
    EXPECT_FALSE(d.testOption(QAbstractPrintDialog::PrintToFile));
    d.reject();
  });
  EXPECT_EQ(dialogs.ShowPrintDialog(noFile), std::nullopt);
}
