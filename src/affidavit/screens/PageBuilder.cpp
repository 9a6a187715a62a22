#include "affidavit/screens/PageBuilder.h"

namespace affidavit {

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
  return Add(array, index, ControlKind::Text, text, left, top, width);
}

PageControl& PageBuilder::Amount(const QString& array, int index, double left, double top, double width) {
  return Add(array, index, ControlKind::Amount, QStringLiteral("$"), left, top, width);
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
  return Add(QStringLiteral("txt"), nextTxt_++, ControlKind::Label, text, left, top, width, 285);
}

PageControl& PageBuilder::Heading(const QString& text, double left, double top, double width) {
  PageControl& c = Add(QStringLiteral("txt"), nextTxt_++, ControlKind::Heading, text, left, top, width, 285);
  c.bold = true;
  return c;
}

PageControl& PageBuilder::Container(const QString& name, double left, double top, double width,
                                    double height) {
  return Add(name, -1, ControlKind::Container, {}, left, top, width, height);
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

void AddCaptionBlock(PageBuilder& b, double dx, double dy) {
  b.Heading("IN THE CIRCUIT COURT OF THE", 1500 + dx, 660 + dy, 2900);
  b.Text("S0T", 1, 4485 + dx, 630 + dy, 2400);
  b.Heading("JUDICIAL CIRCUIT,", 6960 + dx, 660 + dy, 2000);
  b.Heading("IN AND FOR", 2250 + dx, 1095 + dy, 1200);
  b.Text("S0T", 2, 3480 + dx, 1065 + dy, 2800);
  b.Heading("COUNTY, DADUDAV", 6360 + dx, 1095 + dy, 2200);
  b.Text("S0T", 5, 930 + dx, 1500 + dy, 4500);
  b.Label("Case No:", 6100 + dx, 1530 + dy, 900);
  b.Text("S0T", 3, 7050 + dx, 1500 + dy, 3000);
  b.Label("Petitioner,", 930 + dx, 1860 + dy, 1500);
  b.Label("Division:", 6100 + dx, 1935 + dy, 900);
  b.Text("S0T", 4, 7050 + dx, 1905 + dy, 3000);
  b.Label("and", 2700 + dx, 1860 + dy, 500);
  b.Text("S0T", 6, 915 + dx, 2145 + dy, 4500);
  b.Label("Respondent.", 930 + dx, 2505 + dy, 1500);
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
  b.Container("Frame3", 2850, top, 3600, 420);
  const char* statuses[] = {"S", "HH", "MFS", "MFJ"};
  for (int i = 0; i < 4; ++i) b.Option("S1FileOp", i, statuses[i], 60 + i * 880, 60, 820, "Frame3").fontSize = 8.25;
}

void AddClosingBlocks(PageBuilder& b, double top, bool shortForm) {
  const double d = top;  // the worksheet statement's frame
  const QString frame2 = QStringLiteral("Frame2");
  b.Container(frame2, 600, d, 10700, 1500);
  b.Option("S5op", 1, "A Child Support Guidelines Worksheet IS or WILL BE filed in this case", 120, 120, 9000,
           frame2)
      .bold = true;
  b.Select("S5op", 1);
  b.Label("This case involves the establishment or modification of child support.", 1200, d + 450);
  b.Option("S5op", 2, "A Child Support Guidelines Worksheet IS NOT being filed in this case.", 120, 780, 9000,
           frame2)
      .bold = true;
  b.Label("The establishment or modification of child support is not an issue in this case.", 1200, d + 1110);

  const double c1 = d + 1650;  // first certificate
  b.Heading("CERTIFICATE OF SERVICE", 4200, c1, 4000);
  b.Label("I certify that a copy of this financial affidavit was  [check all used]:", 600, c1 + 330);
  const QString frame1 = QStringLiteral("Frame1");
  b.Container(frame1, 600, c1 + 630, 10700, 420);
  const char* serviceArrays[] = {"S5opEmail", "S5opMailed", "S5opHand", "S5opFaxed", "S5opServed"};
  const char* serviceCaptions[] = {"e-mailed", "mailed", "hand delivered", "faxed",
                                   "served together with the Summons and Petition in this action"};
  const double serviceLefts[] = {60, 1300, 2400, 4000, 5000};
  const double serviceWidths[] = {1200, 1000, 1500, 900, 5600};
  auto serviceBoxes = [&](int index, const QString& frame) {
    for (int k = 0; k < 5; ++k) {
      PageControl& c = b.Check(serviceArrays[k], index, serviceCaptions[k], serviceLefts[k], 60, serviceWidths[k]);
      c.container = frame;
      if (k == 3) c.hidden = true;
      if (k == 4 && index == 0 && shortForm) {
        c.hidden = true;
        c.text = QStringLiteral("NA");
      }
    }
  };
  serviceBoxes(0, frame1);
  b.Label("To The Person(s) Listed Below On {date}:", 600, c1 + 1140, 4100);
  b.Text("S5T", 10, 4800, c1 + 1110, 3000);

  const double p1 = c1 + 1560;
  b.Label("Other Party or His/Her Attorney ", 600, p1, 4000).bold = true;
  b.Label("Filing Party", 6000, p1, 3000).bold = true;
  const char* partyLabels[] = {"Name:", "Address:", "", "City, State, Zip:", "Telephone Number:",
                               "E-mail Address(es):"};
  const int left[] = {1, 2, 18, 3, 28, 20};
  const int right[] = {5, 6, 19, 7, 27, 8};
  for (int k = 0; k < 6; ++k) {
    const double t = p1 + 330 + k * 360;
    if (partyLabels[k][0] != '\0') {
      b.Label(partyLabels[k], 600, t + 30, 1650);
      b.Label(partyLabels[k], 6000, t + 30, 1650);
    }
    b.Text("S5T", left[k], 2310, t, 3500);
    b.Text("S5T", right[k], 7740, t, 3500);
  }
  const double fax = p1 + 330 + 6 * 360;
  b.Label("Fax Number:", 600, fax + 30, 1650).hidden = true;
  b.Text("S5T", 4, 2310, fax, 3500).hidden = true;
  b.Label("Fax Number:", 6000, fax + 30, 1650).hidden = true;
  b.Text("S5T", 9, 7740, fax, 3500).hidden = true;

  const double n = fax + 480;  // the non-lawyer block
  b.Heading("IF A NON LAWYER HELPED YOU TO FILL OUT THIS FORM, HE/SHE MUST FILL IN THE BLANKS BELOW:", 600, n,
            10500)
      .fontSize = 9;
  b.Label("This form was prepared for the: {choose only one}:", 600, n + 330, 4500);
  b.Option("S5op", 6, "Petitioner", 5200, n + 300, 1400);
  b.Select("S5op", 6);
  b.Option("S5op", 7, "Respondent", 6700, n + 300, 1500);
  const char* nonLawyer[] = {"Name of individual", "Name of Business", "Street Address:", "City:", "State:",
                             "Zip Code:", "Phone Number:"};
  const int nonLawyerIndex[] = {11, 16, 12, 13, 14, 29, 15};
  for (int k = 0; k < 7; ++k) {
    const double t = n + 690 + k * 360;
    b.Label(nonLawyer[k], 600, t + 30, 2300);
    b.Text("S5T", nonLawyerIndex[k], 3000, t, 5500);
  }

  const double s = n + 690 + 7 * 360 + 120;  // the second certificate's block
  const QString frame4 = QStringLiteral("Frame4");
  b.Container(frame4, 600, s, 10700, 720);
  b.Option("S5op", 12, "Print Out A Separate Certificate Of Service", 120, 60, 7000, frame4).bold = true;
  b.Option("S5op", 13, "Do Not Print Out A Separate Certificate Of Service", 120, 380, 7000, frame4).bold = true;
  b.Select("S5op", 13);
  b.Label("Filing Party or Filing Attorney", 600, s + 780, 4000).bold = true;
  const char* filing[] = {"Name:", "Address:", "", "City, State, Zip:", "E-mail Address(es):",
                          "Dadudav Bar Number:"};
  for (int k = 0; k < 6; ++k) {
    const double t = s + 1110 + k * 360;
    if (filing[k][0] != '\0') b.Label(filing[k], 600, t + 30, 2700);
    b.Text("S5T", 21 + k, 3500, t, 5000);
  }
  const double faxAttorney = s + 1110 + 6 * 360;
  b.Label("Fax Number:", 600, faxAttorney + 30, 2700).hidden = true;
  b.Text("S5T", 17, 3500, faxAttorney, 5000).hidden = true;
  b.Label("To the other party previously listed above on {date}:", 600, faxAttorney + 390, 4500);
  b.Text("S5T", 0, 5200, faxAttorney + 360, 3000);
  const QString frame5 = QStringLiteral("Frame5");
  b.Container(frame5, 600, faxAttorney + 780, 10700, 420);
  serviceBoxes(1, frame5);
}

}  // namespace affidavit
