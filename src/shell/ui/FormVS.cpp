#include "shell/ui/FormVS.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QPrinter>
#include <QTimer>

#include "platform/Dialogs.h"
#include "platform/SaveChecks.h"
#include "platform/Waits.h"
#include "platform/document/PdfWriter.h"
#include "platform/ui/DocumentPrinter.h"
#include "prefs/FileFolders.h"
#include "shell/ui/Form17.h"
#include "shell/ui/FormFind.h"
#include "shell/ui/PreviewControl.h"
#include "shell/ui/Program.h"
#include "shell/ui/ShellDialogs.h"

namespace shell {

namespace {

void ShowWindow(Program& program, const char* name) {
  if (QWidget* w = program.Load(QString::fromLatin1(name))) w->show();
}

void HideWindow(Program& program, const char* name) {
  if (QWidget* w = program.Find(QString::fromLatin1(name))) w->hide();
}

void PutAtTop(Program& program, const char* name) {
  QWidget* w = program.Find(QString::fromLatin1(name));
  if (!w) return;
  if (platform::ui::HasGeometry(w)) platform::ui::SetTop(w, 0);
  else w->move(w->x(), 0);
}

// A button bar of the multiple-document frame.
QWidget* FrameBar(Program& program, const char* bar) {
  QWidget* frame = program.Find(QStringLiteral("MDIForm1"));
  return frame ? frame->findChild<QWidget*>(QString::fromLatin1(bar)) : nullptr;
}

void SetBar(Program& program, const char* bar, std::optional<bool> enabled, std::optional<bool> visible) {
  QWidget* w = FrameBar(program, bar);
  if (!w) return;
  if (enabled) w->setEnabled(*enabled);
  if (visible) w->setVisible(*visible);
}

// Raises a window over its owner whenever the owner is activated (a click
// on it), and gives it the focus too when the owner takes no input of its own
// meanwhile. Window managers keep a window above its owner, but not all keep
// it above an owner that is itself kept above a third window.
class KeepInFront : public QObject {
 public:
  KeepInFront(QWidget& owned, bool focus) : QObject(&owned), owned_(owned), focus_(focus) {}

  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::WindowActivate && owned_.isVisible())
      QTimer::singleShot(0, &owned_, [this] {
        if (focus_) platform::ui::BringToFront(owned_);
        else owned_.raise();
      });
    return false;
  }

 private:
  QWidget& owned_;
  bool focus_;
};

// Makes `window` belong to `owner` while staying a window of its own: the
// window system keeps it in front of its owner (X window managers learn a
// window's owner only for a dialog window), the program brings it forward
// whenever the owner is activated, and it goes with its owner. `buttons`:
// the title bar's buttons besides the close box.
void BelongTo(QWidget& window, QWidget& owner, bool takeFocus, Qt::WindowFlags buttons = {}) {
  if (window.parentWidget() == &owner) return;
  window.setParent(&owner, Qt::Dialog | buttons);
  owner.installEventFilter(new KeepInFront(window, takeFocus));
}

}  // namespace

FormVS::FormVS(Program& program, QWidget* parent)
    : Form(QStringLiteral("FormVS"), parent), program_(program) {
  setWindowTitle(QStringLiteral("Print And Preview Document"));
  setAttribute(Qt::WA_DeleteOnClose);
  platform::ui::Place(this, 0, 0, 12000, 8400);

  Exit = addMenuItem(QStringLiteral("Exit"), QStringLiteral("Exit Preview"));
  Print = addMenu(QStringLiteral("Print"), QStringLiteral("     Print"));
  PrintDocument = addMenuItem(QStringLiteral("PrintDocument"), QStringLiteral("Print This Document"), Print);
  File = addMenu(QStringLiteral("File"), QStringLiteral("      File"));
  SaveAsPDFile = addMenuItem(QStringLiteral("SaveAsPDFile"),
                             QStringLiteral("Save This Image As A Portable Document File (PDF)"), File);
  Find = addMenu(QStringLiteral("Find"), QStringLiteral("      Find"));
  Findtxt = addMenuItem(QStringLiteral("Findtxt"), QStringLiteral("Find A Text String In Document"), Find);

  VS = add<PreviewControl>("VS", nullptr, 0, 0, 12000, 7800);

  connect(Exit, &QAction::triggered, this, &FormVS::Exit_Click);
  connect(PrintDocument, &QAction::triggered, this, &FormVS::PrintDocument_Click);
  connect(SaveAsPDFile, &QAction::triggered, this, &FormVS::SaveAsPDFile_Click);
  connect(Findtxt, &QAction::triggered, this, &FormVS::Findtxt_Click);
}

void FormVS::ShowDocument(platform::Document document) {
  VS->SetDocument(std::move(document));
  // The worksheet and the affidavits are previewed from the frame, which
  // shows no sheet meanwhile: the preview belongs to the frame and keeps its
  // front, and the frame takes no input until the preview closes.
  const QString& kind = program_.State.PreviewReportKind;
  QWidget* frame = program_.Find(QStringLiteral("MDIForm1"));
  if ((kind == QLatin1String("WS") || kind == QLatin1String("FD")) && frame && frame->isVisible() &&
      parentWidget() != frame) {
    BelongTo(*this, *frame, true, Qt::WindowMinMaxButtonsHint);
    setWindowModality(Qt::WindowModal);
  }
  program_.FitOnOpening(*this);
  platform::ui::BringToFront(*this);
}

void FormVS::ReturnToCaller() {
  const QString kind = program_.State.PreviewReportKind;
  if (kind == QLatin1String("WS")) {
    ShowWindow(program_, "Form9");
    ShowWindow(program_, "MDIForm1");
    PutAtTop(program_, "Form9");
    SetBar(program_, "Picture1", true, std::nullopt);
    SetBar(program_, "Picture5", std::nullopt, false);
    SetBar(program_, "Picture1", std::nullopt, true);
  } else if (kind == QLatin1String("FD")) {
    const bool longForm = program_.State.FinDecFormType == 1;
    ShowWindow(program_, longForm ? "Form12" : "Form121");
    HideWindow(program_, longForm ? "Form122" : "Form123");
    HideWindow(program_, "Form9");
    ShowWindow(program_, "MDIForm1");
    PutAtTop(program_, longForm ? "Form12" : "Form121");
    SetBar(program_, "Picture5", true, true);
    SetBar(program_, "Picture1", std::nullopt, false);
  } else if (kind == QLatin1String("CS")) {
    ShowWindow(program_, "Form5");
  } else if (kind == QLatin1String("Alim")) {
    ShowWindow(program_, "Form3");
  } else {
    ShowWindow(program_, "Form1");
  }
}

void FormVS::Form_Unload() {
  if (unloaded_) return;
  unloaded_ = true;
  // The PDF notice goes with the preview it belongs to.
  if (auto* notice = findChild<Form17*>(QString(), Qt::FindDirectChildrenOnly)) notice->close();
  VS->Clear();
  // The preview was fitted without the monitor adjustment: the factors the
  // other windows read are those of the screen and the adjustment again.
  program_.RecomputeScreenFactors();
  ReturnToCaller();
}

void FormVS::Exit_Click() {
  VS->Clear();
  close();
  ReturnToCaller();
  if (program_.State.PreviewReportKind == QLatin1String("WS")) HideWindow(program_, "Form12");
}

void FormVS::closeEvent(QCloseEvent* event) {
  Form_Unload();
  event->accept();
}

void FormVS::resizeEvent(QResizeEvent* event) {
  Form::resizeEvent(event);
  // The document fills the window's client area.
  if (VS && Client())
    platform::ui::Place(VS, 0, 0, Client()->width() * TwipsPerPixelX(),
                        Client()->height() * TwipsPerPixelY());
}

void FormVS::PrintDocument_Click() {
  platform::PrintRequest request;
  request.minPage = 1;
  request.maxPage = static_cast<std::int16_t>(std::max(1, VS->PageCount()));
  request.fromPage = 1;
  request.toPage = request.maxPage;
  const std::optional<platform::PrinterChoice> choice = program_.Dialogs.ShowPrintDialog(request);
  if (!choice) return;
  QPrinter printer;
  platform::UseChosenPrinter(printer, *choice);
  const platform::OutputResult result = platform::PrintDocument(VS->Document(), printer);
  if (!result.ok())
    program_.Dialogs.ShowMessageBox(result.error, platform::kBoxExclamation,
                                    QStringLiteral("Document Not Printed"));
}

void FormVS::Findtxt_Click() {
  auto* find = new FormFind(program_, *VS);
  program_.Windows().Register(find->Name(), *find);
  program_.FitFormToScreen(*find);
  find->ShowModal();  // over the preview, until the find window is gone
}

void FormVS::SaveAsPDFile_Click() {
  platform::FileRequest request;
  // The folder of the case when it has one; otherwise where the folder
  // preference says.
  const QString& caseFolder = program_.State.CaseFolder;
  request.initialFolder = !caseFolder.isEmpty() && QFileInfo(caseFolder).isDir()
                              ? caseFolder
                              : prefs::DialogStartFolder(program_.State.DataFolder);
  request.defaultExtension = QStringLiteral("pdf");
  request.filter = QStringLiteral("Portable Document File (PDF)|*.pdf");
  const std::optional<QString> path = platform::ChooseFileToSave(program_.Dialogs, request);
  if (!path) return;

  auto* notice = program_.Load<Form17>(QStringLiteral("Form17"));
  if (notice) {
    BelongTo(*notice, *this, false);
    program_.FitFormToScreen(*notice);
    notice->show();
    notice->ShowSaving();
  }
  platform::WaitWhileHandlingEvents(program_.PdfNoticeWaitSeconds);
  const platform::OutputResult result = platform::SaveDocumentAsPdf(VS->Document(), *path);
  if (!result.ok()) {
    if (notice) notice->close();
    program_.Dialogs.ShowMessageBox(
        QStringLiteral("The document could not be saved as ") + QDir::toNativeSeparators(*path) +
            QStringLiteral(". ") + result.error,
        platform::kBoxExclamation, QStringLiteral("PDF File Not Saved"));
    return;
  }
  prefs::RememberFileFolder(*path);
  if (notice) notice->ShowSaved();
}

}  // namespace shell
