// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/cupsqueue.h"

#include <QStringList>

#include <cups/cups.h>

namespace jex::qt {
namespace {

// A queue whose own default is grey would turn the blue pen line grey.
constexpr const char* colourmode = "print-color-mode";
constexpr const char* colour = "color";

bool answeredok() {
    return cupsLastError() <= IPP_STATUS_OK_CONFLICTING;
}

} // namespace

bool sendtoqueue(const QString& printername, const QString& title, const QByteArray& pdf) {
    // "queue/instance" names an instance of a queue; the job goes to the queue.
    const QByteArray queue = printername.section(QLatin1Char('/'), 0, 0).toLocal8Bit();
    const QByteArray name = title.toUtf8();
    if (queue.isEmpty()) return false;

    cups_option_t* options = nullptr;
    const int optioncount = cupsAddOption(colourmode, colour, 0, &options);
    const int job =
        cupsCreateJob(CUPS_HTTP_DEFAULT, queue.constData(), name.constData(), optioncount, options);
    cupsFreeOptions(optioncount, options);
    if (job <= 0) return false;

    bool sent = cupsStartDocument(CUPS_HTTP_DEFAULT, queue.constData(), job, name.constData(),
                                  CUPS_FORMAT_PDF, 1) == HTTP_STATUS_CONTINUE;
    if (sent) {
        sent = cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.constData(),
                                    static_cast<size_t>(pdf.size())) == HTTP_STATUS_CONTINUE;
        // Read the server's answer in any case, so the connection stays usable.
        cupsFinishDocument(CUPS_HTTP_DEFAULT, queue.constData());
        sent = sent && answeredok();
    }
    if (!sent) cupsCancelJob2(CUPS_HTTP_DEFAULT, queue.constData(), job, 0);
    return sent;
}

} // namespace jex::qt
