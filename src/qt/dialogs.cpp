// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/dialogs.h"

#include "core/textids.h"
#include "core/texts.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace jex::qt {
namespace {

// The extension of the filter's first pattern ("jex" for "*.jex"), which a
// name typed without one gets.
QString filterextension(const std::string& filter) {
    const QString text = QString::fromStdString(filter);
    const qsizetype start = text.indexOf(QLatin1String("*."));
    if (start < 0) return {};
    qsizetype end = start + 2;
    while (end < text.size() && text[end].isLetterOrNumber())
        ++end;
    return text.mid(start + 2, end - start - 2);
}

std::optional<std::string> askfile(const FileRequest& request, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(nullptr, QString::fromStdString(request.title),
                       QString::fromStdString(request.folder));
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptSave ? QFileDialog::AnyFile
                                                       : QFileDialog::ExistingFile);
    dialog.setNameFilter(namefilters(request.filter));
    // The extension goes on before the dialog checks for a file it would
    // replace, so that the check is about the file really written.
    dialog.setDefaultSuffix(filterextension(request.filter));
    dialog.selectFile(QString::fromStdString(request.filename));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().constFirst().toStdString();
}

} // namespace

std::optional<std::string> QtDialogs::asksavefile(const FileRequest& request) {
    return askfile(request, QFileDialog::AcceptSave);
}

std::optional<std::string> QtDialogs::askopenfile(const FileRequest& request) {
    return askfile(request, QFileDialog::AcceptOpen);
}

bool QtDialogs::askyesno(const std::string& title, const std::string& question) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title),
                    QString::fromStdString(question), QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    // The answers speak the program's language, whatever the toolkit's.
    box.button(QMessageBox::Yes)->setText(QString::fromStdString(text(textid::yes)));
    box.button(QMessageBox::No)->setText(QString::fromStdString(text(textid::no)));
    return box.exec() == QMessageBox::Yes;
}

QString namefilters(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << QStringLiteral("%1 (%2)").arg(parts[i].trimmed(), parts[i + 1].trimmed());
    return filters.join(QStringLiteral(";;"));
}

} // namespace jex::qt
