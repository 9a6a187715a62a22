#include "shell/ui/Form4.h"

namespace shell {

namespace {

const char* const kText = R"(<body style="font-family:Tahoma">
<p align="center"><b>Present Value Of The Alimony Award</b></p>
<p>The present value answers one question: what single sum, paid today, is worth the same to the
recipient as the stream of alimony payments the award calls for? It is the figure to start from
when the parties talk about buying out the alimony with a lump sum.</p>

<p><b>Duration In Years</b><br>
The number of years the award is to be paid. Fractions of a year may be entered: 7.5 is seven and a
half years. Only whole months count, so 4.55 years are 54 monthly payments, and a duration of less
than one month gives a present value of $0.</p>

<p><b>Amount</b><br>
The amount is not entered here. The calculation takes the yearly award shown on the alimony result
window, the suggested award or the award you entered with "Change Alimony Award", and divides it
into twelve equal monthly payments. Change the award first, then calculate the present value
again.</p>

<p><b>Discount Rate (as a decimal)</b><br>
The yearly rate of return the recipient could earn on a lump sum received today. Enter it as a
decimal: 0.05 for 5 percent. The higher the rate, the lower the present value, because money
received today can be put to work for the years the payments would have run. A common choice is
the yield of a safe investment that matures in about as many years as the award runs, such as a
government bond or a certificate of deposit. A rate that assumes riskier investments makes the
buyout smaller and shifts the risk to the recipient. Enter 0 to add up the payments without any
discount.</p>

<p><b>Tax Rate (as a decimal)</b><br>
The share of each payment the recipient would lose to income tax: 0.15 for 15 percent. Each
monthly payment is reduced by this share before it is discounted. Under agreements executed after
December 31, 2018, alimony is not taxable to the recipient, and the usual entry is 0. Where the
payments are taxed, use the recipient's expected top tax rate over the years of the award.
The rate must be at least 0 and less than 1.</p>

<p><b>The assumption behind the calculation</b><br>
The award is treated as equal monthly payments made at the beginning of each month for the whole
duration. The first payment is not discounted; every later payment is discounted month by month at
one twelfth of the yearly discount rate. The calculation assumes the award is paid in full: it
makes no allowance for the death or remarriage of either party, for a later change of the award,
or for payments that are missed.</p>
</body>)";

}  // namespace

Form4::Form4(QWidget* parent)
    : HelpWindow(QStringLiteral("Form4"), QStringLiteral("Keys To Data Entry"),
                 QString::fromUtf8(kText), parent) {}

}  // namespace shell
