#include "platform/ui/QtDialogs.h"

#include <QApplication>
#include <QBoxLayout>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFontComboBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/ColorValue.h"
#include "platform/FileFilter.h"
#include "platform/SpecialFolders.h"
#include "platform/ui/DocumentPrinter.h"

namespace platform::ui {

namespace {

QWidget* owner() { return QApplication::activeWindow(); }

// Lets the user pick one of the installed printers, starting from `current`
// ("" for the default printer). No value on Cancel or without any printer.
std::optional<QString> pickPrinter(const QString& current) {
  const QStringList names = QPrinterInfo::availablePrinterNames();
  QDialog dialog(owner());
  dialog.setWindowTitle(QStringLiteral("Printer Setup"));
  auto* layout = new QVBoxLayout(&dialog);
  auto* printers = new QComboBox(&dialog);
  printers->addItems(names);
  const QString start = current.isEmpty() ? QPrinterInfo::defaultPrinterName() : current;
  if (names.contains(start)) printers->setCurrentText(start);
  layout->addWidget(new QLabel(names.isEmpty() ? QStringLiteral("No printer is installed.")
                                               : QStringLiteral("Printer:"),
                               &dialog));
  layout->addWidget(printers);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  buttons->button(QDialogButtonBox::Ok)->setEnabled(!names.isEmpty());
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted || names.isEmpty()) return std::nullopt;
  return printers->currentText();
}

}  // namespace

int16_t QtDialogs::ShowMessageBox(const QString& prompt, int16_t buttons, const QString& title) {
  return ShowBox(prompt, buttons, title, fitter_);
}

StandardAnswer QtDialogs::ShowStandardMessageWithHelp(const QString& prompt, const QString& title,
                                                      const std::function<void()>& showHelp) {
  QMessageBox box(QMessageBox::NoIcon, title, prompt, QMessageBox::Ok | QMessageBox::Help,
                  owner());
  box.setEscapeButton(QMessageBox::Ok);
  box.exec();
  if (box.clickedButton() != box.button(QMessageBox::Help)) return StandardAnswer::Ok;
  if (showHelp) showHelp();
  return StandardAnswer::Help;
}

void QtDialogs::ShowStandardInformation(const QString& prompt, const QString& title) {
  QMessageBox box(QMessageBox::Information, title, prompt, QMessageBox::Ok, owner());
  box.exec();
}

std::optional<QString> QtDialogs::showFileDialog(const FileRequest& request, bool save) {
  const QString folder = request.initialFolder.isEmpty()
                             ? GetSpecialFolderPath(QStandardPaths::DocumentsLocation)
                             : request.initialFolder;
  QFileDialog dialog(owner(), request.title, folder);
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  const QStringList filters = NameFiltersFromPairs(request.filter);
  if (!filters.isEmpty()) dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(request.defaultExtension);
  // The program asks about replacing a file itself, once the extension is
  // added (ChooseFileToSave): the dialog does not ask a second time.
  if (save) dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtDialogs::ShowOpenDialog(const FileRequest& request) {
  return showFileDialog(request, false);
}

std::optional<QString> QtDialogs::ShowSaveDialog(const FileRequest& request) {
  return showFileDialog(request, true);
}

std::optional<PrinterChoice> QtDialogs::ShowPrintDialog(const PrintRequest& request) {
  QPrinter printer;
  if (!printerName_.isEmpty()) printer.setPrinterName(printerName_);
  printer.setFromTo(request.fromPage, request.toPage);
  QPrintDialog dialog(&printer, owner());
  dialog.setMinMax(request.minPage, request.maxPage);
  QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintPageRange |
                                                     QAbstractPrintDialog::PrintShowPageSize |
                                                     QAbstractPrintDialog::PrintCollateCopies;
  if (!request.noSelection) options |= QAbstractPrintDialog::PrintSelection;
  if (!request.noPrintToFile) options |= QAbstractPrintDialog::PrintToFile;
  dialog.setOptions(options);
  if (!PrinterAvailable()) {
    // Printing to a file is then the one choice the dialog offers: say why.
    auto* note = new QLabel(request.noPrintToFile ? QStringLiteral("No printer is installed.")
                                                  : QString::fromUtf8(kNoPrinterInstalledNote),
                            &dialog);
    note->setObjectName(QStringLiteral("NoPrinterNote"));
    note->setWordWrap(true);
    if (auto* box = qobject_cast<QBoxLayout*>(dialog.layout())) box->insertWidget(0, note);
    else note->hide();
  }
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;

  PrinterChoice choice;
  choice.printerName = printer.printerName();
  choice.outputFile = printer.outputFileName();
  choice.allPages = printer.printRange() != QPrinter::PageRange;
  choice.fromPage = static_cast<int16_t>(printer.fromPage());
  choice.toPage = static_cast<int16_t>(printer.toPage());
  choice.copies = static_cast<int16_t>(printer.copyCount());
  if (choice.outputFile.isEmpty()) printerName_ = choice.printerName;
  return choice;
}

std::optional<PrinterChoice> QtDialogs::ShowPrinterSetup() {
  const std::optional<QString> name = pickPrinter(printerName_);
  if (!name) return std::nullopt;
  printerName_ = *name;
  PrinterChoice choice;
  choice.printerName = *name;
  return choice;
}

namespace {

// A font dialog that offers the faces alone, at the one size the request
// allows: the installed faces in a list, the size shown, OK and Cancel.
std::optional<FontChoice> ChooseFaceOnly(const FontRequest& request) {
  QDialog dialog(owner());
  dialog.setWindowTitle(QStringLiteral("Font"));
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(new QLabel(QStringLiteral("Font:"), &dialog));
  auto* faces = new QFontComboBox(&dialog);
  faces->setEditable(false);  // a face from the list, never a typed or empty one
  faces->setWritingSystem(QFontDatabase::Latin);
  faces->setCurrentFont(QFont(request.font.face));
  layout->addWidget(faces);
  layout->addWidget(new QLabel(QStringLiteral("Size: %1").arg(double(request.minSize)), &dialog));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return WithinRequest(FontChoice{faces->currentFont().family(), request.minSize, false, false}, request);
}

}  // namespace

std::optional<FontChoice> QtDialogs::ShowFontDialog(const FontRequest& request) {
  if (request.faceOnly) return ChooseFaceOnly(request);
  QFont start(request.font.face);
  if (request.font.size > 0) start.setPointSizeF(request.font.size);
  start.setBold(request.font.bold);
  start.setItalic(request.font.italic);
  QFontDialog dialog(start, owner());
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QFont f = dialog.selectedFont();
  FontChoice choice{f.family(), static_cast<float>(f.pointSizeF()), f.bold(), f.italic()};
  return WithinRequest(choice, request);
}

std::optional<uint32_t> QtDialogs::ShowColorDialog(uint32_t initialColor) {
  // A system colour (top bit set) has no fixed value to start from.
  const QColor start = (initialColor & 0x80000000u) ? QColor(Qt::white)
                                                    : ColorFromValue(initialColor);
  const QColor chosen = QColorDialog::getColor(start, owner());
  if (!chosen.isValid()) return std::nullopt;
  return ValueFromColor(chosen);
}

QString QtDialogs::BrowseForFolder(const QString& title) {
  const QString path = QFileDialog::getExistingDirectory(
      owner(), title, GetSpecialFolderPath(QStandardPaths::HomeLocation),
      QFileDialog::ShowDirsOnly);
  return path.isEmpty() ? QString() : QDir::cleanPath(path);
}

}  // namespace platform::ui
