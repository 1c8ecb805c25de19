// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/screenreadernames.h"

#include "core/textids.h"
#include "qt/listingview.h"
#include "qt/looks.h"
#include "qt/modelwindow.h"
#include "windows/screenreadernames.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QString>
#include <QWidget>

#include <algorithm>

namespace jex::qt {
namespace {

// The status line's object name: its messages are spoken as they come.
constexpr const char* statuslinename = "warnings";

// The line that speaks the phrases: it takes no room and shows nothing.
constexpr const char* spokenlinename = "spoken";

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

// The spoken line: a notification whose name is the last phrase.
class SpokenLineAccessible final : public QAccessibleWidget {
  public:
    explicit SpokenLineAccessible(QWidget* line)
        : QAccessibleWidget(line, QAccessible::Notification) {}
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return widget()->accessibleName();
        return {};
    }
};

// The pen buttons: a pair of check boxes, the one that holds checked. Pressed
// from a screen reader, a pen button is clicked as the mouse clicks it: only
// the click puts the pen down or lifts it.
constexpr std::array<const char*, 2> penbuttons = {"penon", "penoff"};

class PenButtonAccessible final : public QAccessibleWidget {
  public:
    explicit PenButtonAccessible(QAbstractButton* button)
        : QAccessibleWidget(button, QAccessible::CheckBox) {}
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = pen().isChecked();
        return state;
    }
    QStringList actionNames() const override { return {pressAction(), toggleAction()}; }
    void doAction(const QString& action) override {
        if (pen().isEnabled() && actionNames().contains(action)) pen().click();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    QAbstractButton& pen() const { return *static_cast<QAbstractButton*>(widget()); }
};

// Our own kinds of widget as a screen reader should see them: the windows as
// windows (a plain widget would be a filler), the listing as a list.
QAccessibleInterface* accessiblefor(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    if (QAccessibleInterface* listing = ListingView::accessiblelisting(widget)) return listing;
    if (dynamic_cast<ModelWindow*>(widget))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (auto* label = qobject_cast<QLabel*>(widget);
        label && label->objectName() == QLatin1String(statuslinename))
        return new StatusLineAccessible(label);
    if (widget->objectName() == QLatin1String(spokenlinename))
        return new SpokenLineAccessible(widget);
    if (auto* button = qobject_cast<QAbstractButton*>(widget);
        button &&
        std::find(penbuttons.begin(), penbuttons.end(), button->objectName()) != penbuttons.end())
        return new PenButtonAccessible(button);
    return nullptr;
}

} // namespace

void nameforscreenreaders(const std::array<QWidget*, 4>& windows) {
    static const bool installed = [] {
        QAccessible::installFactory(accessiblefor);
        return true;
    }();
    Q_UNUSED(installed);

    const auto windowof = [&windows](ShownWindow window) {
        return windows[static_cast<std::size_t>(window)];
    };
    for (const ScreenReaderName& name : screenreadernames) {
        auto* control =
            windowof(name.window)->findChild<QWidget*>(QString::fromLatin1(name.control));
        if (!control) continue;
        control->setAccessibleName(QString::fromStdString(saidname(name)));
    }
    for (const LabelledControl& pair : labelledcontrols) {
        QWidget* window = windowof(pair.window);
        auto* label = window->findChild<QLabel*>(QString::fromLatin1(pair.label));
        auto* control = window->findChild<QWidget*>(QString::fromLatin1(pair.control));
        if (label && control) label->setBuddy(control);
    }
    // The listing window's title is the program's short title, which the
    // message boxes carry too.
    windowof(ShownWindow::listing)->setAccessibleName(
        fromtable(textid::keytooltip)
            .arg(fromtable(textid::programtitle), fromtable(textid::listing)));
}

void announce(QLabel& statusline) {
    if (!QAccessible::isActive() || statusline.text().isEmpty()) return;
    QAccessibleEvent named(&statusline, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    // A notification that shows is what a screen reader speaks at once.
    QAccessibleEvent shown(&statusline, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void speak(QWidget& window, const QString& phrase) {
    if (phrase.isEmpty()) return;
    auto* line =
        window.findChild<QWidget*>(QLatin1String(spokenlinename), Qt::FindDirectChildrenOnly);
    if (!line) {
        line = new QWidget(&window);
        line->setObjectName(QLatin1String(spokenlinename));
        line->setFocusPolicy(Qt::NoFocus);
        line->setGeometry(0, 0, 0, 0);
        line->show();
    }
    line->setAccessibleName(phrase);
    // Shown afresh for each phrase, so that the same phrase twice is spoken
    // twice, as a message is.
    QAccessibleEvent shown(line, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace jex::qt
