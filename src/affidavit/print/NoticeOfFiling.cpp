// The notice of filing of the financial affidavit with its certificate of
// service: one page under the court caption, after the affidavit's last page.
#include "affidavit/print/ClosingPainter.h"
#include "platform/document/DocumentPage.h"

namespace affidavit {

namespace {

constexpr double kLeft = platform::kPageLeftEdge;    // 1440
constexpr double kRight = platform::kPageRightEdge;  // 10800
constexpr double kCaptionEnd = 8640;
constexpr double kCaseX = 6480;
constexpr double kSignatureX = 3600;

struct Notice {
  AffidavitPrintRun& run;
  platform::DrawingCursor& vs;
  double h = 0;

  QString FirstPageText(int index) const {
    return run.pages.Text({FirstPage(run.form), QStringLiteral("S0T"), index});
  }
  QString Entry(int index) const {
    return run.pages.Text({SecondPage(run.form), QStringLiteral("S5T"), index});
  }
  bool Ticked(const char* array) const {
    return run.pages.Value({SecondPage(run.form), QString::fromLatin1(array), 1}) == 1;
  }
  void HalfLine() { vs.SetCurrentY(vs.CurrentY() + h / 2); }
  // Prints `value` where the line stands, ends the line and draws its rule
  // from where the value began to `end`.
  void Value(const QString& value, double end) {
    const double start = vs.CurrentX();
    vs.PrintLine(value);
    vs.DrawLine(start, vs.CurrentY(), end, vs.CurrentY());
  }
  void Labelled(double x, const QString& label, const QString& value, double end) {
    vs.SetCurrentX(x);
    vs.PrintText(label);
    Value(value, end);
  }
  void Centred(const QString& title) {
    vs.SetFontBold(true);
    vs.SetCurrentX(platform::CentredX(vs, title));
    vs.PrintLine(title);
    vs.SetFontBold(false);
    vs.PrintLine();
  }
};

}  // namespace

void PrintFinDecNotice(AffidavitPrintRun& run) {
  if (run.resetPrinter) run.resetPrinter();
  platform::DrawingCursor& vs = run.vs;
  Notice n{run, vs};
  vs.SetPenWidth(4);
  vs.SetFontSize(10);
  platform::SetDocumentFace(vs, run.font.FDFontName);
  n.h = platform::LineHeight(vs);
  const bool amended =
      run.pages.Value({FirstPage(run.form), QStringLiteral("FaAmended"), kSingle}) == 1;

  // Caption.
  vs.SetCurrentY(platform::TopMarginFor(run.preparerMargin));
  vs.SetCurrentX(2160);
  vs.PrintText(QStringLiteral("IN THE CIRCUIT COURT OF THE "));
  double start = vs.CurrentX();
  vs.PrintText(n.FirstPageText(1));
  vs.SetCurrentX(kCaptionEnd);
  vs.PrintLine(QStringLiteral("JUDICIAL CIRCUIT,"));
  vs.DrawLine(start, vs.CurrentY(), kCaptionEnd, vs.CurrentY());
  vs.SetCurrentX(2880);
  vs.PrintText(QStringLiteral("IN AND FOR "));
  start = vs.CurrentX();
  vs.PrintText(n.FirstPageText(2));
  vs.SetCurrentX(kCaptionEnd);
  vs.PrintLine(QStringLiteral("COUNTY, DADUDAV"));
  vs.DrawLine(start, vs.CurrentY(), kCaptionEnd, vs.CurrentY());
  n.HalfLine();
  n.Labelled(kCaseX, QStringLiteral("Case No.: "), n.FirstPageText(3), kRight);
  n.Labelled(kCaseX, QStringLiteral("Division: "), n.FirstPageText(4), kRight);
  n.Labelled(kLeft, QString(), n.FirstPageText(5), kCaseX);
  vs.SetCurrentX(5040);
  vs.PrintText(QStringLiteral("Petitioner,"));
  n.HalfLine();
  vs.SetCurrentX(3240);
  vs.PrintLine(QStringLiteral("and"));
  vs.PrintLine();
  n.Labelled(kLeft, QString(), n.FirstPageText(6), kCaseX);
  vs.SetCurrentX(5040);
  vs.PrintLine(QStringLiteral("Respondent."));
  vs.PrintLine();
  vs.PrintLine();

  // Title and notice.
  n.Centred(amended ? QStringLiteral("NOTICE OF FILING AMENDED FAMILY LAW FINANCIAL AFFIDAVIT")
                    : QStringLiteral("NOTICE OF FILING FAMILY LAW FINANCIAL AFFIDAVIT"));
  vs.SetCurrentX(2160);
  vs.PrintText(QStringLiteral("PLEASE TAKE NOTICE, that "));
  vs.SetFontItalic(true);
  vs.PrintText(QStringLiteral(" {name}  "));
  vs.SetFontItalic(false);
  vs.SetFontUnderline(true);
  vs.PrintText(n.Entry(5));
  vs.SetFontUnderline(false);
  vs.PrintLine(QStringLiteral(",  is filing his/her"));
  vs.PrintLine();
  vs.SetCurrentX(kLeft);
  vs.PrintLine(amended
                   ? QStringLiteral(
                         " Amended Family Law Financial Affidavit attached and labeled Exhibit 1.")
                   : QStringLiteral(" Family Law Financial Affidavit attached and labeled Exhibit 1."));
  vs.PrintLine();

  // Certificate of service.
  n.Centred(QStringLiteral("CERTIFICATE OF SERVICE"));
  vs.SetCurrentX(2160);
  vs.PrintLine(amended ? QStringLiteral(" I certify that a copy of this Notice of Filing with the "
                                        "Amended Financial Affidavit was")
                       : QStringLiteral(" I certify that a copy of this Notice of Filing with the "
                                        "Financial Affidavit was"));
  vs.PrintLine();
  vs.SetCurrentX(kLeft);
  vs.PrintText(QStringLiteral(" [check all used]:  "));
  vs.PrintText(closing::CertificateMark(n.Ticked("S5opEmail"), "e-mailed"));
  vs.PrintText(closing::CertificateMark(n.Ticked("S5opMailed"), "mailed"));
  vs.PrintText(QStringLiteral("  "));  // the faxed choice is never printed
  vs.PrintLine(closing::CertificateMark(n.Ticked("S5opHand"), "hand delivered"));
  if (n.Ticked("S5opServed")) {
    vs.SetCurrentX(kLeft);
    vs.PrintText(QStringLiteral(" (X) served together with the Summons and Petition in this action "));
    vs.PrintLine();
  }
  vs.SetCurrentX(kLeft);
  vs.PrintLine(QStringLiteral(" to the person(s) listed below on "));
  vs.SetCurrentX(kLeft);
  vs.SetFontItalic(true);
  vs.PrintText(QStringLiteral(" {date}  "));
  vs.SetFontItalic(false);
  n.Value(n.Entry(10), vs.CurrentX() + 2880);
  vs.PrintLine();
  vs.SetCurrentX(kLeft);
  vs.SetFontBold(true);
  vs.PrintLine(QStringLiteral(" Other party or his/her attorney:"));
  vs.SetFontBold(false);
  struct Row {
    const char* label;
    int box;
  };
  const Row otherParty[] = {{" Name:  ", 1},
                            {" Address:  ", 2},
                            {" Address:  ", 18},
                            {" City, State, Zip:  ", 3},
                            {" E-mail Address(es):  ", 20}};
  for (const Row& r : otherParty)
    n.Labelled(kLeft, QString::fromLatin1(r.label), n.Entry(r.box), 7200);

  // Signature block of the filing party or filing attorney.
  vs.PrintLine();
  vs.PrintLine();
  vs.PrintLine();
  vs.DrawLine(kSignatureX, vs.CurrentY(), kRight, vs.CurrentY());
  vs.SetCurrentX(kSignatureX);
  vs.PrintLine(QStringLiteral(" Signature of Filing Party or Filing Attorney"));
  vs.PrintLine();
  const Row filer[] = {{" Printed Name:  ", 21},        {" Address:  ", 22},
                       {" Address:  ", 23},             {" City, State, Zip:  ", 24},
                       {" E-mail Address(es):  ", 25},  {" Dadudav Bar Number:  ", 26}};
  for (const Row& r : filer)
    n.Labelled(kSignatureX, QString::fromLatin1(r.label), n.Entry(r.box), kRight);
}

}  // namespace affidavit
