// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/helpwindow.h"

#include "core/textids.h"
#include "entry/keys.h"
#include "qt/keyboardkeys.h"
#include "qt/looks.h"
#include "windows/help.h"

#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>

namespace jex::qt {
namespace {

// Large enough to read from the back of a classroom.
constexpr int helppoints = 14;
// The window's size on an ordinary screen, in pixels; a smaller screen gets
// most of itself.
constexpr QSize helpsize(620, 720);
constexpr double largestshare = 0.9;

constexpr Qt::Key helpkey = Qt::Key_F1;

QString heading(int number) {
    return QStringLiteral("<h2>%1</h2>").arg(fromtable(number).toHtmlEscaped());
}

QString row(const QString& name, const QString& does) {
    return QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
        .arg(name.toHtmlEscaped(), does.toHtmlEscaped());
}

QString table(const QString& rows) {
    return QStringLiteral("<table cellspacing=\"4\" cellpadding=\"2\">%1</table>").arg(rows);
}

QString entries(const std::vector<HelpEntry>& help) {
    QString rows;
    for (const HelpEntry& entry : help) {
        QString does = qtext(entry.does).toHtmlEscaped();
        // The keys on a line of their own under the click.
        if (!entry.keys.empty()) does += QStringLiteral("<br>") + qtext(entry.keys).toHtmlEscaped();
        rows += QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>")
                    .arg(qtext(entry.name).toHtmlEscaped(), does);
    }
    return table(rows);
}

// Every keypad key that a keyboard key presses, from the keyboard table, so
// that a key added there is listed here too. The digits go in one line.
QString keyboardentries() {
    QString rows = row(fromtable(textid::digitkeys), QString());
    for (int index = 0; index < keycount; ++index) {
        const Key key = static_cast<Key>(index);
        if (keydigit(key) >= 0 || keyboardkeysfor(key).empty()) continue;
        rows += row(keyboardkeysname(key), keypadkeyname(key));
    }
    rows += row(QKeySequence(whereamikey).toString(QKeySequence::NativeText), fromtable(textid::whereamidoes));
    rows += row(fromtable(textid::helpkeyname), fromtable(textid::helpkeydoes));
    rows += row(fromtable(textid::listingkeys), QString());
    return table(rows);
}

} // namespace

QString helppage() {
    return heading(textid::helpkeypad) + entries(keypadhelp()) + heading(textid::helpkeyboard) +
           keyboardentries() + heading(textid::helptools) + entries(toolhelp());
}

HelpWindow::HelpWindow() : page_(new QTextBrowser(this)) {
    setObjectName(QStringLiteral("help"));
    setWindowTitle(fromtable(textid::helptitle));
    page_->setObjectName(QStringLiteral("helppage"));
    QFont font(QString::fromLatin1(fontfamily));
    font.setPointSize(helppoints);
    page_->setFont(font);
    page_->setHtml(helppage());
    // A caret that the arrows, Page Down and Ctrl+End move, so that a screen
    // reader reads on line by line, not only with its own "read all".
    page_->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
    page_->installEventFilter(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(page_);
}

void HelpWindow::showhelp() {
    if (!isVisible()) {
        QSize size = helpsize;
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            const QRect available = screen->availableGeometry();
            size = size.boundedTo(available.size() * largestshare);
            setGeometry(QRect(QPoint(), size)
                            .translated(available.center() - QRect(QPoint(), size).center()));
        } else {
            resize(size);
        }
    }
    show();
    raise();
    activateWindow();
}

bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == page_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

QString HelpWindow::shown() const {
    return page_->toPlainText();
}

HelpKey::HelpKey(std::array<QWidget*, 4> windows) : windows_(windows) {
    QCoreApplication::instance()->installEventFilter(this);
}

HelpKey::~HelpKey() = default;

void HelpKey::openhelp() {
    if (!window_) {
        window_ = std::make_unique<HelpWindow>();
        window_->setWindowIcon(windows_[0]->windowIcon());
    }
    window_->showhelp();
}

bool HelpKey::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (key->key() != helpkey || key->isAutoRepeat()) return false;
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (!widget) return false;
    const QWidget* window = widget->window();
    const bool ours = std::find(windows_.begin(), windows_.end(), window) != windows_.end() ||
                      window == window_.get();
    if (!ours) return false;
    // Only opening a window: whatever runs goes on, at its own pace.
    openhelp();
    return true;
}

} // namespace jex::qt
