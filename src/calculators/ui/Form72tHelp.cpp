#include "calculators/ui/Form72tHelp.h"

#include <QTextBrowser>

#include "platform/ui/ButtonPlus.h"

namespace calculators::ui {

namespace {

const char* const kMethodsText = R"(<body style="font-family:Tahoma; font-size:12pt">
<p align="center"><b>IRAs and 72(t) Early Withdrawals</b></p>
<div style="margin-left:0.5in">
<p>Qualified retirement plans, such as a 401(k), can be divided at a divorce by a qualified domestic
relations order, and the spouse who receives a share can take it out without the 10% penalty on early
withdrawals. How such plans are divided is a subject of its own; a good reference book on dividing
employee benefits is worth having at hand.</p>
<p>An IRA is not a qualified plan. Money taken out of an IRA before age 59 1/2 can bear the 10% penalty,
unless the withdrawals follow the &quot;72(t) exception&quot; of Internal Revenue Code section
72(t)(2)(a)(iv). That exception allows three penalty-free methods, whether or not there is a divorce. A
401(k) can be rolled over into an IRA and then follow the same rules.</p>
<p>IRS Revenue Ruling 2002-62 describes the three methods of taking substantially equal periodic
payments. Whatever the method, the withdrawals are ordinary income for the federal income tax.</p>
<p>Once begun, the payments must go on for at least five years or until age 59 1/2, whichever is longer:
a holder who starts at 39 keeps them up for 20 1/2 years, one who starts at 56 until at least 61. No money
may be added to the IRA and no extra amount taken out in that time; otherwise the penalty falls on every
distribution made so far.</p>
<p>The three methods are the <b>minimum distribution</b> method (also called the <b>life expectancy</b>
method), the <b><font color="blue">amortization</font></b> method and the <b><font color="blue">annuity
factor</font></b> method. The year's total may be paid in any pattern, in one payment, in 12 monthly or
52 weekly payments, as long as it adds up to the calculated yearly amount. The first, or &quot;stub&quot;,
year may be pro-rated or paid in full.</p>
<p><b>Minimum distribution method.</b> The balance is divided by the holder's life expectancy; in divorce
cases that is the single life expectancy, from the tables of IRS publication 509. The amount is
recalculated every year from the new balance and the new life expectancy.</p>
<p><b><font color="blue">Amortization method.</font></b> The balance is amortized over the same life
expectancy at a &quot;reasonable&quot; interest rate: at most 120% of the federal mid-term applicable
federal rate of either of the two months before the first distribution (a lower rate is allowed). The
amount is fixed in the first year.</p>
<p><b><font color="blue">Annuity factor method.</font></b> The balance is divided by the present value of
1 dollar a year paid over the holder's life, worked out from the mortality table of Appendix B of Revenue
Ruling 2002-62 and the same kind of rate. The amount is fixed for five years or until age 59 1/2,
whichever is longer.</p>
<p>If investment losses deplete the IRA, the resulting change in the amount is not penalised, and the
holder may switch once from the amortization or annuity factor method to the minimum distribution
method.</p>
</div>
<p align="center"><b>Read This Disclaimer</b></p>
<div style="margin-left:0.5in">
<p>Anyone thinking of taking 72(t) withdrawals should first consult an experienced professional, in
particular about the investments to be held in the IRA while the withdrawals go on.</p>
</div>
</body>)";

const char* const kInterestText = R"(<body style="font-family:Tahoma; font-size:12pt">
<p align="center"><b>Interest Rates Used to Calculate 72(t) IRA Withdrawals</b></p>
<div style="margin-left:0.5in">
<p>The <b><font color="blue">amortization</font></b> and <b><font color="blue">annuity factor</font></b>
methods use a &quot;reasonable&quot; interest rate. The IRS has set it at 120% of the federal mid-term
applicable federal rate of either of the two months before the month the distributions begin; a lower rate
may be used. The IRS publishes these rates every month on its web site, at
<u><font color="blue">%1</font></u>.</p>
<p>If this computer is connected to the web, the button at the bottom of this window opens that IRS page
with the current mid-term rates.</p>
<p>The calculator also asks for an &quot;expected&quot; rate: your best estimate of how much the IRA will
grow each year. It may be above or below the &quot;reasonable&quot; rate.</p>
<p>The <b>minimum distribution</b> withdrawal is recalculated every year, while the amortization and
annuity factor withdrawals stay the same. The projected balances take both the withdrawals and the
expected gain into account: each month's withdrawal is taken at its start and the month's gain is added
at its end.</p>
</div>
</body>)";

}  // namespace

Form72tA::Form72tA(QWidget* parent)
    : HelpWindow(QStringLiteral("Form72tA"), QStringLiteral("About 72t Methods"), QString::fromUtf8(kMethodsText),
                 parent) {}

Form72tB::Form72tB(std::function<bool(const QString&)> openWebPage, QWidget* parent)
    : HelpWindow(QStringLiteral("Form72tB"), QStringLiteral("About 72t Interest"),
                 QString::fromUtf8(kInterestText).arg(QString::fromLatin1(kIrsRatesAddress)), parent),
      openWebPage_(std::move(openWebPage)) {
  platform::ui::Place(this, 0, 0, 9600, 7920);
  platform::ui::SetHeight(RichTextBox1, 7200);
  IRSWeb = add<platform::ui::ButtonPlus>("IRSWeb", nullptr, 3360, 7320, 2880, 480,
                                         QStringLiteral("Go To The IRS Web Site"));
  platform::ui::SetTag(IRSWeb, QStringLiteral("1000"));
  connect(IRSWeb, &platform::ui::ButtonPlus::clicked, this, &Form72tB::IRSWeb_Click);
}

void Form72tB::IRSWeb_Click() {
  if (openWebPage_) openWebPage_(QString::fromLatin1(kIrsRatesAddress));
}

}  // namespace calculators::ui
