#include "affidavit/screens/PageBuilder.h"

namespace affidavit {

namespace {
constexpr double kPanelLeft = 120;  // panels leave a margin of paper at both sides
constexpr double kRuleLeft = 480;
}  // namespace

PageBuilder::PageBuilder(PageId id, const QString& name, double height) {
  design_.id = id;
  design_.name = name;
  design_.height = height;
}

PageControl& PageBuilder::Add(const QString& array, int index, ControlKind kind, const QString& text,
                              double left, double top, double width, double height) {
  PageControl c;
  c.array = array;
  c.index = index;
  c.kind = kind;
  c.text = text;
  c.left = left;
  c.top = top;
  c.width = width;
  c.height = height;
  design_.controls.push_back(c);
  return design_.controls.back();
}

PageControl& PageBuilder::Text(const QString& array, int index, double left, double top, double width,
                               const QString& text) {
  return Add(array, index, ControlKind::Text, text, left, top, width, kBoxHeight);
}

PageControl& PageBuilder::Amount(const QString& array, int index, double left, double top, double width) {
  return Add(array, index, ControlKind::Amount, QStringLiteral("$"), left, top, width, kBoxHeight);
}

PageControl& PageBuilder::Total(const QString& array, int index, double left, double top, double width,
                                Tint tint) {
  PageControl& c = Amount(array, index, left, top, width);
  c.locked = true;
  c.tint = tint;
  return c;
}

PageControl& PageBuilder::Check(const QString& array, int index, const QString& caption, double left,
                                double top, double width) {
  return Add(array, index, ControlKind::Check, caption, left, top, width, 300);
}

PageControl& PageBuilder::Option(const QString& array, int index, const QString& caption, double left,
                                 double top, double width, const QString& container) {
  PageControl& c = Add(array, index, ControlKind::Option, caption, left, top, width, 300);
  c.container = container;
  return c;
}

PageControl& PageBuilder::Label(const QString& text, double left, double top, double width) {
  return Add(QStringLiteral("txt"), nextTxt_++, ControlKind::Label, text, left, top, width, kLabelHeight);
}

PageControl& PageBuilder::Heading(const QString& text, double left, double top, double width) {
  PageControl& c = Add(QStringLiteral("txt"), nextTxt_++, ControlKind::Heading, text, left, top, width, kLabelHeight);
  c.bold = true;
  return c;
}

double PageBuilder::Lines(std::initializer_list<const char*> lines, double left, double top, bool firstBold,
                          double width) {
  for (const char* line : lines) {
    PageControl& c = Label(QString::fromLatin1(line), left, top, width);
    c.height = kSmallLine;
    c.fontSize = kSmallSize;
    c.bold = firstBold && line == *lines.begin();
    top += kSmallLine;
  }
  return top;
}

PageControl& PageBuilder::Container(const QString& name, double left, double top, double width,
                                    double height) {
  return Add(name, -1, ControlKind::Container, {}, left, top, width, height);
}

PageControl& PageBuilder::Cell(const QString& text, double left, double top, double width, double height) {
  PageControl& c = Add(QStringLiteral("txt"), nextTxt_++, ControlKind::Label, text, left, top, width, height);
  c.framed = c.wrap = c.bold = true;
  c.fontSize = 8.25;
  return c;
}

PageControl& PageBuilder::Panel(double top, double bottom) {
  return Add(QStringLiteral("Panel"), nextPanel_++, ControlKind::Panel, {}, kPanelLeft, top,
             design_.width - 2 * kPanelLeft, bottom - top);
}

PageControl& PageBuilder::Answer(const QString& question, double questionLeft, double questionWidth,
                                 const QString& array, int index, double boxLeft, double top, double boxWidth) {
  Label(question, questionLeft, top + 45, questionWidth);
  return Text(array, index, boxLeft, top, boxWidth);
}

PageControl& PageBuilder::Rule(double top) {
  return Add(QStringLiteral("Rule"), nextRule_++, ControlKind::Rule, {}, kRuleLeft, top,
             design_.width - 2 * kRuleLeft, 30);
}

PageControl* PageBuilder::Edit(const QString& array, int index) {
  for (PageControl& c : design_.controls) {
    if (c.array == array && c.index == index) return &c;
  }
  return nullptr;
}

void PageBuilder::Select(const QString& array, int index) {
  if (PageControl* c = Edit(array, index)) c->selected = true;
}

void PageBuilder::PageButtons(double left, double top, double bottomTop) {
  const QString caption = IsFirstPage(design_.id) ? kToSectionIII : kToSectionsIandII;
  Add(QStringLiteral("ButtonPlus1"), -1, ControlKind::Button, caption, left, top, 4800, 375);
  Add(QStringLiteral("Command2"), -1, ControlKind::Button, caption, left, bottomTop, 4800, 375);
}

void IncomeLines::Numbers(const QString& number, double left, double amountLeft) {
  if (!columns_.numbers) return;
  b_.Label(number, left, top_ + 45, 450);
  b_.Label(number, amountLeft - 560, top_ + 45, 560 - kNumberGap);
}

void IncomeLines::Line(const IncomeLine& line) {
  const double amountLeft = line.sub ? columns_.subAmount : columns_.amount;
  const double wordingLeft = columns_.numbers ? (line.sub ? 1560 : 1140) : (line.sub ? 1200 : 600);
  Numbers(QString::fromLatin1(line.number), line.sub ? 1080 : 600, amountLeft);
  const double wordingEnd = amountLeft - (columns_.numbers ? 600 : 60);
  PageControl& wording = b_.Label(line.wording, wordingLeft, top_ + 45, wordingEnd - wordingLeft);
  wording.bold = line.bold;
  wording.fontSize = line.size;
  PageControl& amount = b_.Amount(QStringLiteral("S1"), line.index, amountLeft, top_);
  if (line.total) {
    amount.locked = true;
    amount.tint = Tint::SectionTotal;
  }
  top_ += kPitch;
  for (const char* more : line.more) Continue(more);
}

PageControl& IncomeLines::Continue(const char* text) {
  PageControl& c = b_.Label(text, columns_.numbers ? 1140 : 840, top_, columns_.numbers ? 9700 : 10300);
  top_ += kLabelHeight;
  return c;
}

void IncomeLines::Source(int firstSource, int secondSource, int amountIndex, const char* number) {
  const double left = columns_.numbers ? 1140 : 960;
  const double width = columns_.amount - (columns_.numbers ? 600 : 60) - left;
  b_.Text(QStringLiteral("S1T"), firstSource, left, top_, width, QStringLiteral(" "));
  top_ += kPitch;
  if (!columns_.numbers) b_.Label(number, 600, top_ + 45, left - 600 - kNumberGap);
  Numbers(QString::fromLatin1(number), 600, columns_.amount);
  b_.Text(QStringLiteral("S1T"), secondSource, left, top_, width, QStringLiteral(" "));
  b_.Amount(QStringLiteral("S1"), amountIndex, columns_.amount, top_);
  top_ += kPitch;
}

void AddCaptionBlock(PageBuilder& b, double dx, double dy) {
  // Fixed texts stand 45 twips below the top of the boxes of their row.
  b.Label("IN THE CIRCUIT COURT OF THE", 1560 + dx, 675 + dy, 2900);
  b.Text("S0T", 1, 4485 + dx, 630 + dy, 2400);
  b.Label("JUDICIAL CIRCUIT,", 6960 + dx, 675 + dy, 1900);
  b.Label("IN AND FOR", 2280 + dx, 1110 + dy, 1170);
  b.Text("S0T", 2, 3480 + dx, 1065 + dy, 2800);
  b.Heading("COUNTY, DADUDAV", 6360 + dx, 1110 + dy, 2000);
  b.Text("S0T", 5, 930 + dx, 1500 + dy, 4500);
  b.Label("Case No:", 6100 + dx, 1545 + dy, 900);
  b.Text("S0T", 3, 7050 + dx, 1500 + dy, 3000);
  b.Label("Petitioner,", 930 + dx, 1860 + dy, 1200);
  b.Label("and", 2700 + dx, 1860 + dy, 500);
  b.Label("Division:", 6100 + dx, 1950 + dy, 900);
  b.Text("S0T", 4, 7050 + dx, 1905 + dy, 3000);
  b.Text("S0T", 6, 915 + dx, 2145 + dy, 4500);
  b.Label("Respondent.", 930 + dx, 2490 + dy, 1300);
}

void AddPartyChoice(PageBuilder& b, double top) {
  b.Container("Picture27", 7170, top, 3765, 720);
  PageControl& party = b.Label("On the Express Form, Declarant is the:", 60, 30, 3600);
  party.array = "Label55";
  party.index = -1;
  party.red = true;
  party.container = "Picture27";
  PageControl& claim = b.Option("FAClaim", -1, "Claimant", 60, 330, 1500, "Picture27");
  claim.red = claim.selected = true;
  b.Option("FAOther", -1, "Other Party", 1800, 330, 1800, "Picture27").red = true;
}

void AddFilingStatus(PageBuilder& b, double top) {
  b.Container("Frame3", 2850, top, 3600, 360);
  const char* statuses[] = {"S", "HH", "MFS", "MFJ"};
  for (int i = 0; i < 4; ++i) b.Option("S1FileOp", i, statuses[i], 60 + i * 880, 30, 820, "Frame3").fontSize = 8.25;
}

void AddClosingBlocks(PageBuilder& b, double top, double secondCertificate, bool shortForm) {
  // The worksheet statement: its heading and both choices with their notes in Frame2.
  const QString frame2 = QStringLiteral("Frame2");
  b.Container(frame2, 600, top, 10680, 1560);
  auto inFrame = [](PageControl& c, const QString& frame) -> PageControl& {
    c.container = frame;
    return c;
  };
  inFrame(b.Heading(shortForm ? "SECTION IV. CHILD SUPPORT GUIDELINES WORKSHEET " : "E. CHILD SUPPORT GUIDELINES WORKSHEET ",
                    60, 45, 6000),
          frame2);
  b.Option("S5op", 1, "A Child Support Guidelines Worksheet IS or WILL BE filed in this case", 60, 330, 7800, frame2)
      .bold = true;
  b.Select("S5op", 1);
  inFrame(b.Label("This case involves the establishment or modification of child support.", 420, 645, 7000), frame2);
  b.Option("S5op", 2, "A Child Support Guidelines Worksheet IS NOT being filed in this case.", 60, 930, 7800, frame2)
      .bold = true;
  inFrame(b.Label("The establishment or modification of child support is not an issue in this case.", 420, 1245, 7500),
          frame2);

  // The first certificate: the means of service in Frame1, the date, both parties.
  const QString frame1 = QStringLiteral("Frame1");
  const double c1 = top + 1710;
  b.Container(frame1, 600, c1, 10680, 690);
  inFrame(b.Label("I certify that a copy of this financial affidavit was  [check all used]:", 60, 30, 6500), frame1);
  const char* serviceArrays[] = {"S5opEmail", "S5opMailed", "S5opHand", "S5opFaxed", "S5opServed"};
  const char* serviceCaptions[] = {"e-mailed", "mailed", "hand delivered", "faxed",
                                   "served together with the Summons and Petition in this action"};
  const double serviceLefts[] = {60, 1260, 2310, 3990, 5040};
  const double serviceWidths[] = {1150, 1000, 1650, 960, 5640};
  auto serviceBoxes = [&](int index, const QString& frame) {
    for (int k = 0; k < 5; ++k) {
      PageControl& c = b.Check(serviceArrays[k], index, serviceCaptions[k], serviceLefts[k], 330, serviceWidths[k]);
      c.container = frame;
      if (k == 3) c.hidden = true;
      if (k == 4 && index == 0 && shortForm) {
        c.hidden = true;
        c.text = QStringLiteral("NA");
      }
    }
  };
  serviceBoxes(0, frame1);
  b.Label("To The Person(s) Listed Below On {date}:", 600, c1 + 795, 3700);
  b.Text("S5T", 10, 4380, c1 + 750, 3000);

  const double p1 = c1 + 1170;
  b.Heading("Other Party or His/Her Attorney ", 540, p1, 3600);
  b.Heading("Filing Party", 5970, p1, 3000);
  const char* partyLabels[] = {"Name:", "Address:", "", "City, State, Zip:", "Telephone Number:",
                               "E-mail Address(es):"};
  const int left[] = {1, 2, 18, 3, 28, 20};
  const int right[] = {5, 6, 19, 7, 27, 8};
  for (int k = 0; k < 6; ++k) {
    const double t = p1 + 285 + k * 345;
    if (partyLabels[k][0] != '\0') {
      b.Label(partyLabels[k], 540, t + 45, 1755);
      b.Label(partyLabels[k], 5970, t + 45, 1755);
    }
    b.Text("S5T", left[k], 2310, t, 3500);
    b.Text("S5T", right[k], 7740, t, 3500);
  }
  const double fax = p1 + 285 + 6 * 345;
  b.Label("Fax Number:", 540, fax + 45, 1755).hidden = true;
  b.Text("S5T", 4, 2310, fax, 3500).hidden = true;
  b.Label("Fax Number:", 5970, fax + 45, 1755).hidden = true;
  b.Text("S5T", 9, 7740, fax, 3500).hidden = true;

  // The non-lawyer block.
  const double n = top + 5850;
  b.Heading("IF A NON LAWYER HELPED YOU TO FILL OUT THIS FORM, HE/SHE MUST FILL IN THE BLANKS BELOW:", 600, n, 10600)
      .fontSize = 9;
  b.Label("This form was prepared for the: {choose only one}:", 600, n + 315, 4580);
  b.Option("S5op", 6, "Petitioner", 5200, n + 285, 1400);
  b.Select("S5op", 6);
  b.Option("S5op", 7, "Respondent", 6700, n + 285, 1500);
  const char* nonLawyer[] = {"Name of individual", "Name of Business", "Street Address:", "City:", "State:",
                             "Zip Code:", "Phone Number:"};
  const int nonLawyerIndex[] = {11, 16, 12, 13, 14, 29, 15};
  for (int k = 0; k < 7; ++k) {
    const double t = n + 645 + k * 360;
    b.Label(nonLawyer[k], 600, t + 45, 2300);
    b.Text("S5T", nonLawyerIndex[k], 3000, t, 5500);
  }

  // The second certificate's block: whether to print it, the filing party, the date.
  const double s = top + 9420;
  const QString frame4 = QStringLiteral("Frame4");
  b.Container(frame4, 600, s, 10680, 660);
  b.Option("S5op", 12, "Print Out A Separate Certificate Of Service", 60, 30, 6000, frame4).bold = true;
  b.Option("S5op", 13, "Do Not Print Out A Separate Certificate Of Service", 60, 330, 6000, frame4).bold = true;
  b.Select("S5op", 13);
  b.Heading("Filing Party or Filing Attorney", 600, s + 720, 3600);
  const char* filing[] = {"Name:", "Address:", "", "City, State, Zip:", "E-mail Address(es):",
                          "Dadudav Bar Number:"};
  for (int k = 0; k < 6; ++k) {
    const double t = s + 1005 + k * 345;
    if (filing[k][0] != '\0') b.Label(filing[k], 600, t + 45, 2700);
    b.Text("S5T", 21 + k, 3500, t, 5000);
  }
  const double faxAttorney = s + 1005 + 6 * 345;
  b.Label("Fax Number:", 600, faxAttorney + 45, 2700).hidden = true;
  b.Text("S5T", 17, 3500, faxAttorney, 5000).hidden = true;
  const QString frame5 = QStringLiteral("Frame5");
  b.Container(frame5, 600, secondCertificate, 10680, 690);
  inFrame(b.Label("I certify that a copy of this financial affidavit was  [check all used]:", 60, 30, 6500), frame5);
  serviceBoxes(1, frame5);
  b.Answer("To the other party previously listed above on {date}:", 600, 4700, "S5T", 0, 5400,
           secondCertificate + 720, 3000);
}

}  // namespace affidavit
