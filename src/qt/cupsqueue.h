// SPDX-License-Identifier: GPL-3.0-or-later
// Handing a finished document to a print queue through the print server.
#pragma once

#include <QByteArray>
#include <QString>

namespace jex::qt {

// Sends the PDF document to the printer's queue as a job of that title,
// asking for colour. True only when the queue has taken the whole job: a
// queue that rejects jobs, a server that is not there and a transfer cut
// short are all failures, and a job left half sent is cancelled.
bool sendtoqueue(const QString& printername, const QString& title, const QByteArray& pdf);

} // namespace jex::qt
