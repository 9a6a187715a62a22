#include "business/ui/FormBus.h"

#include "platform/ui/RichText.h"

#include <QTextBrowser>

namespace business {

FormBus::FormBus(QWidget* parent) : Form(QStringLiteral("FormBus"), parent) {
  if (parent) setWindowFlag(Qt::Window);
  setWindowTitle(QStringLiteral("About The Business Deduction Dialog"));
  setAttribute(Qt::WA_DeleteOnClose);
  SetDesignedByClientArea(true);
  platform::ui::Place(this, 0, 0, 7755, 7965);
  RichTextBox1 = add<QTextBrowser>(QStringLiteral("RichTextBox1"), nullptr, 120, 120, 7515, 7755);
  RichTextBox1->setOpenLinks(false);
  RichTextBox1->setHtml(BusinessHelpText());
}

void FormBus::SetTextSize(double points) { platform::ui::SetWholeTextSize(*RichTextBox1, points); }

const QString& BusinessHelpText() {
  static const QString text = QStringLiteral(
      "<div style=\"font-family: Tahoma; font-size: 10pt;\">"
      "<p><b>About The Data Fields In The Business Deduction Dialog:</b></p>"

      "<p>This dialog takes a party's net income from sole proprietorships, partnerships and "
      "S-corporations, for up to four businesses, together with dividends from real estate "
      "investment trusts (REITs), cooperative dividends and income from publicly traded "
      "partnerships. The program uses these amounts to estimate the business income deduction of "
      "section 199A of the Internal Revenue Code.</p>"

      "<p>Before any phase-out the deduction is 20% of the qualified business income or 20% of "
      "taxable income, whichever is less. Taxable income here is total income less the standard "
      "deduction, less one half of the self-employment tax and less tax-free tips.</p>"

      "<p>For tax year 2026 the deduction begins to shrink when taxable income is above $201,750 "
      "(single, head of household and married filing separately) or $403,500 (married filing "
      "jointly). Above these thresholds a business in a specified service trade (health, law, "
      "accounting, actuarial science, performing arts, consulting, athletics, financial services, "
      "brokerage services, investing and investment management, trading, or any business whose "
      "principal asset is the reputation or skill of its owners or employees) loses its deduction "
      "step by step. Check the Service Trade box of such a business. Below the thresholds the box "
      "makes no difference.</p>"

      "<p>Businesses A and B are sole proprietorships, LLCs or partnerships whose net income is "
      "subject to self-employment tax paid by the individual. Enter the net income that qualifies "
      "for the deduction in the first box and any net income that does not qualify in the second. "
      "Businesses C and D are S-corporations: the owner's W-2 wages from the corporation bear FICA "
      "at the corporate level and do not qualify; only the profit passed through to the owner "
      "qualifies.</p>"

      "<p>The Employee W-2 Wages and Depreciable Assets boxes take the W-2 wages the business paid "
      "its employees and the unadjusted basis of its depreciable property. When a business has "
      "several owners, enter the party's allocable share; for a party who files jointly, enter the "
      "new spouse's share in the New Spouse column. Below the thresholds these boxes make no "
      "difference.</p>"

      "<p>The tips boxes take qualified tips received in the business and not entered elsewhere. "
      "Up to $25,000 of qualified tips may be deducted; the limit is reduced by $100 for every "
      "$1,000 of total income above $150,000 (single, head of household) or $300,000 (married "
      "filing jointly).</p>"

      "<p>Above the thresholds three amounts are compared for each business: (1) 20% of its "
      "qualified business income; (2) 50% of the W-2 wages it paid; (3) 25% of those W-2 wages "
      "plus 2.5% of the unadjusted basis of its qualified property. The upper limit is amount (1). "
      "The lower limit is amount (1) or the greater of amounts (2) and (3), whichever is less. The "
      "phase-in fraction is the taxable income above the threshold divided by the phase-in range "
      "of $75,000 ($150,000 married filing jointly).</p>"

      "<p>For a business that is not a specified service trade the deduction is the upper limit "
      "less the phase-in fraction of the difference between the upper and the lower limit; it "
      "reaches the lower limit when taxable income reaches $276,750 ($553,500 married filing "
      "jointly), and is zero there only when the business paid no W-2 wages and holds no "
      "qualified property. For a specified service trade only the applicable share (one less the "
      "phase-in fraction) of its income, W-2 wages and property counts, and the same formula is "
      "applied to those shares; its deduction reaches zero at $276,750 ($553,500 married filing "
      "jointly).</p>"
      "</div>");
  return text;
}

}  // namespace business
