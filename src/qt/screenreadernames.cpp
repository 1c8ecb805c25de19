// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/screenreadernames.h"

#include "core/textids.h"
#include "core/texts.h"
#include "qt/listingview.h"
#include "qt/modelwindow.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QString>
#include <QWidget>

namespace jex::qt {
namespace {

enum Window { tools = 1, listingwindow = 2, drawing = 3 };

struct ScreenReaderName {
    Window window;
    const char* control;
    int words;
    int more = 0; // a second word after the first, or none
};

constexpr std::array<ScreenReaderName, 13> names = {{
    {tools, "Slider1", textid::speed},
    {tools, "penon", textid::pen, textid::on},
    {tools, "penoff", textid::pen, textid::off},
    {listingwindow, "programtext", textid::listing},
    {drawing, "progname", textid::programname},
    {drawing, "myname", textid::myname},
    {drawing, "pf1", textid::functionone},
    {drawing, "pf2", textid::functiontwo},
    {drawing, "change1", textid::change, textid::functionone},
    {drawing, "use1", textid::use, textid::functionone},
    {drawing, "change2", textid::change, textid::functiontwo},
    {drawing, "use2", textid::use, textid::functiontwo},
    {drawing, "Picture1", textid::drawingarea},
}};

// Each read-out is a bare number; the label above it says what it is.
struct ReadOut {
    const char* label;
    const char* value;
};
constexpr std::array<ReadOut, 3> readouts = {{
    {"xheading", "JEXX"},
    {"yheading", "JEXY"},
    {"angleheading", "JEXangle"},
}};

// The status line's object name: its messages are spoken as they come.
constexpr const char* statuslinename = "warnings";

// The status line: a notification whose name is the message it shows.
class StatusLineAccessible final : public QAccessibleWidget {
  public:
    explicit StatusLineAccessible(QLabel* label)
        : QAccessibleWidget(label, QAccessible::Notification) {}
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return static_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

// Our own kinds of widget as a screen reader should see them: the windows as
// windows (a plain widget would be a filler), the listing as a list.
QAccessibleInterface* accessiblefor(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    if (QAccessibleInterface* listing = ListingView::accessiblelisting(widget)) return listing;
    if (dynamic_cast<ModelWindow*>(widget)) return new QAccessibleWidget(widget, QAccessible::Window);
    if (auto* label = qobject_cast<QLabel*>(widget);
        label && label->objectName() == QLatin1String(statuslinename))
        return new StatusLineAccessible(label);
    return nullptr;
}

QString fromtable(int number) {
    return QString::fromStdString(text(number));
}

} // namespace

void nameforscreenreaders(const std::array<QWidget*, 4>& windows) {
    static const bool installed = [] {
        QAccessible::installFactory(accessiblefor);
        return true;
    }();
    Q_UNUSED(installed);

    for (const ScreenReaderName& name : names) {
        auto* control =
            windows[name.window]->findChild<QWidget*>(QString::fromLatin1(name.control));
        if (!control) continue;
        QString said = fromtable(name.words);
        if (name.more) said += QLatin1Char(' ') + fromtable(name.more);
        control->setAccessibleName(said);
    }
    for (const ReadOut& readout : readouts) {
        auto* label = windows[tools]->findChild<QLabel*>(QString::fromLatin1(readout.label));
        auto* value = windows[tools]->findChild<QWidget*>(QString::fromLatin1(readout.value));
        if (label && value) label->setBuddy(value);
    }
    // The listing window's title is the program's short title, which the
    // message boxes carry too.
    windows[listingwindow]->setAccessibleName(
        fromtable(textid::keytooltip).arg(fromtable(textid::programtitle), fromtable(textid::listing)));
}

void announce(QLabel& statusline) {
    if (!QAccessible::isActive() || statusline.text().isEmpty()) return;
    QAccessibleEvent named(&statusline, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    // A notification that shows is what a screen reader speaks at once.
    QAccessibleEvent shown(&statusline, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace jex::qt
