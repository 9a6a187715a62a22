#include "worksheet/ui/MDIForm1.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>

#include "platform/Dialogs.h"
#include "platform/ui/ButtonPlus.h"
#include "shell/ui/Fitting.h"
#include "shell/ui/Program.h"
#include "worksheet/WorksheetCommands.h"
#include "worksheet/ui/ExpressLinks.h"
#include "worksheet/ui/Form9.h"

namespace worksheet::ui {

namespace {

constexpr double kBarHeight = 630;
const QString kWorksheetTitle = QStringLiteral("Child Support Guidelines Worksheet");

void Show(shell::Program& program, const char* name, bool visible) {
  QWidget* w = visible ? program.Load(QString::fromLatin1(name)) : program.Find(QString::fromLatin1(name));
  if (w) w->setVisible(visible);
}

}  // namespace

MDIForm1::MDIForm1(shell::Program& program, QWidget* parent)
    : Form(QStringLiteral("MDIForm1"), parent), program_(program) {
  setWindowTitle(kWorksheetTitle);
  // The frame has no minimise or maximise button.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint);
  platform::ui::Place(this, 0, 0, kDesignWidth, kDesignHeight);
  MenuBar();  // it shows the menus of the window in use

  auto button = [&](const char* name, QWidget* bar, int slot, int count, const char* caption) {
    const double width = (kDesignWidth - 240) / count;
    auto* b = add<platform::ui::ButtonPlus>(QString::fromLatin1(name), bar, 120 + slot * width, 75, width - 60, 480,
                                            QString::fromLatin1(caption));
    platform::ui::SetTag(b, QStringLiteral("1000"));
    QFont f = b->font();
    f.setFamily(QStringLiteral("Tahoma"));
    b->setFont(f);
    return b;
  };
  Picture5 = add<QWidget>(QStringLiteral("Picture5"), nullptr, 0, 0, kDesignWidth, kBarHeight);
  ClearFinDec = button("ClearFinDec", Picture5, 0, 6, "Clear Form");
  Command3 = button("Command3", Picture5, 1, 6, "Transfer Data To Express Form");
  Command2 = button("Command2", Picture5, 2, 6, "Get Data From Express Form");
  Command4 = button("Command4", Picture5, 3, 6, "Return To Express Form");
  CalculateFD = button("CalculateFD", Picture5, 4, 6, "Calculate Financial Affidavit");
  EstimateTaxes = button("EstimateTaxes", Picture5, 5, 6, "Estimate Taxes");
  Picture4 = add<QWidget>(QStringLiteral("Picture4"), nullptr, 0, kBarHeight, kDesignWidth, 0);
  Picture4->hide();
  Picture1 = add<QWidget>(QStringLiteral("Picture1"), nullptr, 0, 0, kDesignWidth, kBarHeight);
  Clear = button("Clear", Picture1, 0, 4, "Clear Sheet");
  GetDataFromCommand = button("GetDataFromCommand", Picture1, 1, 4, "Get Data From Express Form");
  Return = button("Return", Picture1, 2, 4, "Return To Express Form");
  CalculateWSCommand = button("CalculateWSCommand", Picture1, 3, 4, "Calculate Worksheet");
  Picture5->hide();

  Sheet = new QScrollArea(Client());
  Sheet->setObjectName(QStringLiteral("SheetArea"));
  Sheet->setWidgetResizable(false);
  Sheet->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Children = new QWidget;
  Children->setObjectName(QStringLiteral("Children"));
  Children->resize(0, 0);
  Sheet->setWidget(Children);

  connect(Clear, &QPushButton::clicked, this, &MDIForm1::Clear_Click);
  connect(GetDataFromCommand, &QPushButton::clicked, this, &MDIForm1::GetDataFromCommand_Click);
  connect(Return, &QPushButton::clicked, this, &MDIForm1::Return_Click);
  connect(CalculateWSCommand, &QPushButton::clicked, this, &MDIForm1::CalculateWSCommand_Click);
  connect(Command4, &QPushButton::clicked, this, &MDIForm1::Command4_Click);
  // The affidavit bar's other buttons are the affidavit's: the program's
  // assembly connects them.
  LayoutSheetArea();
}

MDIForm1::~MDIForm1() {
  // The windows still held go with the frame: they no longer report to it.
  for (QWidget* child : children_.keys()) {
    child->removeEventFilter(this);
    disconnect(child, nullptr, this, nullptr);
  }
}

void MDIForm1::Adopt(QWidget& child, const std::vector<QMenu*>& menus, bool worksheetBar) {
  if (children_.contains(&child)) return;
  Child entry{menus, worksheetBar};
  if (auto* sheet = qobject_cast<Form9*>(&child); sheet && menus.empty()) entry.menus = sheet->Menus;
  const bool shown = !child.isHidden();
  child.setParent(Children);
  child.setWindowFlags(Qt::Widget);
  children_.insert(&child, entry);
  child.installEventFilter(this);
  connect(&child, &QObject::destroyed, this, [this, c = &child] { children_.remove(c); });
  if (shown) child.show();
  LayoutSheetArea();
}

bool MDIForm1::eventFilter(QObject* watched, QEvent* event) {
  auto* child = qobject_cast<QWidget*>(watched);
  if (child && children_.contains(child)) {
    switch (event->type()) {
      case QEvent::Show:
        MakeCurrent(child);
        break;
      case QEvent::Hide:
        // The next window shown shows its top left corner.
        if (current_ == child && !child->isVisibleTo(Children)) scrolled_ = false;
        break;
      case QEvent::Resize:
        if (current_ == child) Children->resize(child->size());
        break;
      default:
        break;
    }
  }
  return Form::eventFilter(watched, event);
}

void MDIForm1::MakeCurrent(QWidget* child) {
  const Child entry = children_.value(child);
  if (current_ != child || !scrolled_) {
    Sheet->verticalScrollBar()->setValue(0);
    Sheet->horizontalScrollBar()->setValue(0);
  }
  scrolled_ = true;
  if (current_ != child) {
    for (QAction* a : MenuBar()->actions()) MenuBar()->removeAction(a);
    for (QMenu* menu : entry.menus) MenuBar()->addMenu(menu);
    QResizeEvent relayout(size(), size());  // the menu bar's height may change
    resizeEvent(&relayout);
  }
  current_ = child;
  // The title names the form shown.
  setWindowTitle(child->windowTitle().isEmpty() ? kWorksheetTitle : child->windowTitle());
  // One window of the frame shows at a time.
  for (QWidget* other : children_.keys())
    if (other != child) other->hide();
  child->move(0, 0);
  Children->resize(child->size());
  ShowWorksheetBar(entry.worksheetBar);
  LayoutSheetArea();
}

void MDIForm1::ShowWorksheetBar(bool worksheet) {
  Picture1->setVisible(worksheet);
  Picture5->setVisible(!worksheet);
}

void MDIForm1::ShowInFront() {
  show();
  raise();
  activateWindow();
  Show(program_, "Form1", false);
}

void MDIForm1::FitFrame(const shell::ScreenFactors& factors) {
  const ControlGeometry window = FitFrameWindow(
      {platform::ui::Left(this), platform::ui::Top(this), platform::ui::Width(this), platform::ui::Height(this), 0},
      factors);
  platform::ui::Place(this, window.left, window.top, window.width, window.height);
  for (QWidget* c : Controls()) {
    QFont f = c->font();
    f.setFamily(QStringLiteral("Tahoma"));
    c->setFont(f);
    const ControlGeometry g = FitFrameControl(
        {platform::ui::Left(c), platform::ui::Top(c), platform::ui::Width(c), platform::ui::Height(c),
         platform::ui::HasFont(c) ? platform::ui::FontSize(c) : 0},
        factors);
    if (g.fontSize > 0) platform::ui::SetFontSize(c, g.fontSize);
    platform::ui::Place(c, g.left, g.top, g.width, g.height);
    shell::ApplyButtonScheme(c);
  }
  // A caption wider than its button is set smaller until it fits (6 points at least).
  for (QWidget* c : Controls()) {
    auto* b = qobject_cast<platform::ui::ButtonPlus*>(c);
    if (!b) continue;
    const int room = b->width() - 8;
    double points = platform::ui::FontSize(b);
    while (points > 6 && QFontMetrics(b->font()).horizontalAdvance(b->text()) > room) {
      points = std::max(6.0, points - 0.25);
      platform::ui::SetFontSize(b, points);
    }
  }
  LayoutSheetArea();
}

Form9* MDIForm1::Worksheet() { return program_.Load<Form9>(QStringLiteral("Form9")); }

void MDIForm1::Clear_Click() {
  Form9* sheetWindow = Worksheet();
  WorksheetSheet sheet = sheetWindow->Sheet();
  if (worksheet::Clear_Click(sheet, program_.Dialogs)) sheetWindow->SetSheet(sheet);
}

void MDIForm1::GetDataFromCommand_Click() {
  Form9* sheetWindow = Worksheet();
  WorksheetSheet sheet = sheetWindow->Sheet();
  ProgramTransferLinks links(program_);
  if (GetDataFrom(sheet, program_.Case, links.Links())) sheetWindow->SetSheet(sheet);
}

void MDIForm1::CalculateWSCommand_Click() {
  Form9* sheetWindow = Worksheet();
  WorksheetSheet sheet = sheetWindow->Sheet();
  const CalculationOutcome outcome =
      worksheet::CalculateWSCommand_Click(sheet, program_.Case, SharedPossession(program_), program_.Dialogs);
  sheetWindow->SetSheet(sheet);
  if (outcome.completed) return;
  sheetWindow->show();
  if (QLineEdit* box = sheetWindow->BoxControl(outcome.focus)) {
    box->setFocus();
    Sheet->ensureWidgetVisible(box);
  }
}

void MDIForm1::Return_Click() {
  Show(program_, "Form1", true);
  Show(program_, "Form9", false);
  hide();
}

void MDIForm1::Command4_Click() {
  Show(program_, "Form1", true);
  Show(program_, "Form12", false);
  hide();
}

void MDIForm1::closeEvent(QCloseEvent* event) {
  // The frame closes with the program: its close asks as the worksheet's does.
  event->ignore();
  if (auto* sheet = program_.Find<Form9>(QStringLiteral("Form9"))) sheet->Form_Unload();
  else if (program_.State.QuitConfirmed != 1) program_.QuitProgram();
}

void MDIForm1::resizeEvent(QResizeEvent* event) {
  Form::resizeEvent(event);
  LayoutSheetArea();
}

void MDIForm1::LayoutSheetArea() {
  if (!Sheet) return;
  const int top = Picture1 ? Picture1->geometry().bottom() + 1 : 0;
  Sheet->setGeometry(0, top, Client()->width(), std::max(0, Client()->height() - top));
}

}  // namespace worksheet::ui
