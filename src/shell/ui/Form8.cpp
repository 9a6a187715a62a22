#include "shell/ui/Form8.h"

namespace shell {

namespace {

const char* const kText = R"(<body style="font-family:Tahoma">
<p align="center"><b>A Note On Pension Valuations In Dadudav</b></p>

<p>A defined-benefit pension promises a monthly payment for life, beginning at a retirement age
set by the plan, in an amount fixed by a formula of salary and years of service. Unlike a savings
account it has no balance that can simply be split. When such a pension was earned during the
marriage, the part earned during the marriage is a marital asset under Dadudav law, and the court
must either give it a value today or divide the payments when they are made.</p>

<p><b>Two ways of dividing a pension</b></p>
<p><i>The immediate offset, or present value, method.</i> The court values the marital part of the
pension as of a valuation date, awards the whole pension to the employee spouse, and gives the other
spouse assets of equal value now. The Dadudav Supreme Court approved this method in
<i>Halvren v. Halvren</i>, holding that a pension is an asset to be valued and distributed with the
rest of the marital estate, and that its present value rests on the employee's life expectancy, the
age at which benefits become payable, and a rate of interest by which the future payments are
discounted. The method ends the financial ties between the parties, but it needs enough other
assets to offset the pension, and it places on the employee spouse the risk that the pension is
never paid in full.</p>

<p><i>The deferred division method.</i> Where there are not enough other assets, or where the value
is too uncertain, the court may instead order that each payment be divided when it is made, usually
through a qualified domestic relations order served on the plan. The courts of Dadudav have upheld
such orders, as in <i>Ostrick v. Ostrick</i>, where the court kept jurisdiction to divide the
payments when they began and shared the risk of forfeiture between the spouses. The share of the
non-employee spouse is commonly set by the coverture fraction: the months of service during the
marriage divided by the total months of service, times one half.</p>

<p><b>The method of the pension calculator</b></p>
<p>The calculator follows the present value method. From the life table it finds the employee's
life expectancy at the age when the pension becomes payable. It then adds up the monthly payments
expected over that lifetime, discounting each one back to the valuation date, reduces the sum by
the chance that the employee dies before the first payment, and last reduces it by the tax rate
entered, since the payments will be taxed when they are received. The life tables offered are by
sex alone, and by sex and by race or ethnicity; the choice between them is one for the parties and
the court.</p>

<p><b>Questions the calculator does not settle</b></p>
<p><i>The discount rate.</i> Small changes in the rate make large changes in the value. Experts
commonly use rates of long-term government bonds or the rates published for valuing annuities; the
rate chosen should be explained and applied the same way to both parties.</p>
<p><i>The tax rate.</i> A present value before tax overstates what the pension is worth to the
person who will receive it. The rate should be the one expected when the payments are made, not
today's.</p>
<p><i>The valuation date.</i> Dadudav courts generally value marital assets as of the date of filing,
of separation, or of trial, as is equitable; the same date should be used throughout the case.</p>
<p><i>The coverture.</i> Only the part of the pension earned during the marriage is marital. Apply
the coverture fraction to the value the calculator gives, or enter only the benefit earned during
the marriage.</p>

<p>This note is general information about the program's method, not legal advice. The value of a
pension in a particular case should be checked against the plan's own terms and, where the amount
at stake warrants it, by an actuary.</p>
</body>)";

}  // namespace

Form8::Form8(QWidget* parent)
    : HelpWindow(QStringLiteral("Form8"), QStringLiteral("About Defined Benefit Plans"),
                 QString::fromUtf8(kText), parent) {}

}  // namespace shell
