#pragma once

#include "platform/document/Document.h"
#include "platform/ui/Form.h"

class QAction;
class QMenu;

namespace shell {

class Program;
class PreviewControl;

// "Print And Preview Document": the one preview window. The command that
// owns a document sets the program's PreviewReportKind, hands the document
// over (ShowDocument), and the window then prints it, searches it, saves it
// as a PDF file, and on leaving goes back to the window the kind names.
class FormVS : public platform::ui::Form {
  Q_OBJECT
 public:
  explicit FormVS(Program& program, QWidget* parent = nullptr);

  // Puts the document in the preview and shows the window in front, fitted
  // as it opens (a preview already open keeps its size).
  void ShowDocument(platform::Document document);

  void Exit_Click();           // "Exit Preview"
  void Form_Unload();          // the window closes, whichever way
  void PrintDocument_Click();  // "Print This Document"
  void SaveAsPDFile_Click();   // "Save This Image As A Portable Document File (PDF)"
  void Findtxt_Click();        // "Find A Text String In Document"

  // Shows the window PreviewReportKind names (and its frame and bar).
  void ReturnToCaller();

  PreviewControl* VS;
  QAction* Exit;
  QMenu* Print;
  QAction* PrintDocument;
  QMenu* File;
  QAction* SaveAsPDFile;
  QMenu* Find;
  QAction* Findtxt;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  Program& program_;
  bool unloaded_ = false;
};

}  // namespace shell
