// SPDX-License-Identifier: GPL-3.0-or-later
#include "printing/printbutton.h"

#include "core/platform.h"
#include "core/state.h"
#include "core/textids.h"
#include "entry/feedback.h"
#include "printing/page.h"
#include "printing/printdrawing.h"
#include "printing/printlisting.h"

#include <memory>

namespace jex {

void printbutton_Click(JexState& jex) {
    if (stopifrunning(jex)) return;
    jex.windows.graphics.warnings.caption.clear();
    printprogram(jex);
}

void printprogram(JexState& jex) {
    std::unique_ptr<PrintJob> job = jex.platform.startprintjob();
    bool printed = false;
    if (job) {
        printed = printpage(jex, *job);
        if (!printed) job->abandon();
    }
    // The printer is let go before the report, whose pause lets clicks in.
    job.reset();
    if (printed)
        reportsuccess(jex, textid::printfinished);
    else
        reportproblem(jex, textid::printererror);
}

bool printpage(JexState& jex, PrintJob& job) {
    Page page(job);
    // Thirty printouts in one queue can be told apart by their names.
    page.settitle(titletext(jex));
    setpage(jex, page);
    printdrawing(jex, page);
    printheader(jex, page);
    printlisting(jex, page);
    page.enddocument();
    return !page.spoiled();
}

bool printtofile(JexState& jex, const std::string& path) {
    std::unique_ptr<PrintJob> job = jex.platform.startpdfjob(path);
    if (!job) return false;
    if (printpage(jex, *job)) return true;
    job->abandon();
    return false;
}

} // namespace jex
