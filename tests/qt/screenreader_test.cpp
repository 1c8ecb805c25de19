// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader is given: windows with their titles, the listing as a
// list of rows, the status line as a notification, the pen's state, names
// that tell the controls apart (the exit window's are in files_test). What it
// is told as things change is checked on the real accessibility bus
// (tests/e2e/screenreader.sh): the offscreen screen has no bus to tell.
// Every control that Tab reaches, in every window, shows that it has the
// keyboard: a ring that stands out at least 3:1 from what lies around it and
// from the control inside it, measured on the window's own pixels.
#include "simulatorrig.h"

#include "canvas/target.h"
#include "canvas/tools.h"
#include "core/state.h"
#include "qt/exitwindow.h"
#include "qt/helpwindow.h"
#include "qt/qtplatform.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <optional>

using jex::testing::SimulatorRig;

namespace {

QAccessibleInterface* accessible(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget);
}

QStringList rows(QAccessibleInterface* list) {
    QStringList read;
    for (int row = 0; row < list->childCount(); ++row)
        read << list->child(row)->text(QAccessible::Name);
    return read;
}

// Every control a pupil works, found through the screen reader's tree.
void controlsof(QAccessibleInterface* node, QList<QAccessibleInterface*>& found) {
    for (int index = 0; index < node->childCount(); ++index) {
        QAccessibleInterface* child = node->child(index);
        switch (child->role()) {
        case QAccessible::PushButton:
        case QAccessible::CheckBox:
        case QAccessible::EditableText:
        case QAccessible::Slider:
        case QAccessible::List:
        case QAccessible::Graphic:
            found << child;
            break;
        default:
            break;
        }
        if (child->role() != QAccessible::List) controlsof(child, found);
    }
}

constexpr double leastcontrast = 3.0;
// A band of the ring at least this many pixels thick must stand out.
constexpr int leastband = 2;
// How far outside the control the scan for the ring starts.
constexpr int scanmargin = 12;

double luminance(QRgb pixel) {
    const auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(pixel)) + 0.7152 * linear(qGreen(pixel)) +
           0.0722 * linear(qBlue(pixel));
}

double contrast(QRgb a, QRgb b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The thickest run of ring pixels that stand out from the neighbour; the
// weakest contrast among the best run's pixels, for the message.
struct Band {
    int thickness = 0;
    double contrast = 0;
};
Band standingout(const std::vector<QRgb>& ring, QRgb neighbour) {
    Band best, run;
    for (QRgb pixel : ring) {
        const double c = contrast(pixel, neighbour);
        if (c >= leastcontrast) {
            run.contrast = run.thickness == 0 ? c : std::min(run.contrast, c);
            ++run.thickness;
        } else {
            run = {};
        }
        if (run.thickness > best.thickness) best = run;
    }
    return best;
}

// Walks from outside the control towards its middle: the ring is the first
// run of pixels that focus changed; its neighbours are the unchanged pixels
// just outside it (none at the window's edge) and just inside it.
QString checkside(const QImage& without, const QImage& with, QPoint from, QPoint step, int length,
                  const char* side) {
    int index = 0;
    const auto at = [&](int i) { return from + step * i; };
    while (index < length && without.pixel(at(index)) == with.pixel(at(index)))
        ++index;
    if (index == length) return QStringLiteral("no ring on the %1").arg(side);
    const std::optional<QRgb> outside =
        index > 0 ? std::optional<QRgb>(with.pixel(at(index - 1))) : std::nullopt;
    std::vector<QRgb> ring;
    while (index < length && without.pixel(at(index)) != with.pixel(at(index)))
        ring.push_back(with.pixel(at(index++)));
    if (index == length) return QStringLiteral("the ring on the %1 has no inside").arg(side);
    const QRgb inside = with.pixel(at(index));
    QString faults;
    for (auto [neighbour, where] : {std::pair{outside, "outside"}, {inside, "inside"}}) {
        if (!neighbour) continue;
        const Band band = standingout(ring, *neighbour);
        if (band.thickness < leastband) {
            double best = 0;
            for (QRgb pixel : ring)
                best = std::max(best, contrast(pixel, *neighbour));
            faults += QStringLiteral(" %1 %2: %3:1;").arg(side, where).arg(best, 0, 'f', 2);
        }
    }
    return faults;
}

QString checkring(const QImage& without, const QImage& with, QRect control) {
    const QRect image = with.rect();
    const QPoint middle = control.center();
    const int left = std::max(control.left() - scanmargin, 0);
    const int right = std::min(control.right() + scanmargin, image.right());
    const int top = std::max(control.top() - scanmargin, 0);
    const int bottom = std::min(control.bottom() + scanmargin, image.bottom());
    return checkside(without, with, {left, middle.y()}, {1, 0}, middle.x() - left, "left") +
           checkside(without, with, {right, middle.y()}, {-1, 0}, right - middle.x(), "right") +
           checkside(without, with, {middle.x(), top}, {0, 1}, middle.y() - top, "top") +
           checkside(without, with, {middle.x(), bottom}, {0, -1}, bottom - middle.y(), "bottom");
}

QImage shot(QWidget* window) {
    QImage image = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1);
    return image;
}

} // namespace

class ScreenReaderTest : public jex::testing::StartedSimulatorTest {
    Q_OBJECT

  private slots:
    void theWindowsAreWindowsWithTheirTitles() {
        const QStringList titles = {"JEX keypad", "JEX tools", "JEX: listing", "JEX drawing"};
        for (int index = 0; index < 4; ++index) {
            QAccessibleInterface* window = accessible(rig->simulator->windows()[index]);
            QCOMPARE(window->role(), QAccessible::Window);
            QCOMPARE(window->text(QAccessible::Name), titles[index]);
        }
    }

    // The rows read as the lines show them; a run selects the step it is on.
    void theListingReadsAsAListOfRows() {
        QAccessibleInterface* list = accessible(rig->find(rig->program(), "programtext"));
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(list->text(QAccessible::Name), QString("listing"));
        QCOMPARE(list->childCount(), 0);
        rig->press({"forwards", "five", "zero", "note", "three"});
        QCOMPARE(rows(list), QStringList({"forward 50", "note 3"}));
        QCOMPARE(list->child(1)->role(), QAccessible::ListItem);
        QCOMPARE(list->indexOfChild(list->child(1)), 1);
        QCOMPARE(list->child(1)->parent(), list);
        QVERIFY(!list->child(0)->state().selected);

        QList<bool> selectedasnoteplays;
        rig->watchsounds([&](std::string_view sound) {
            if (sound != "note3") return;
            for (int row = 0; row < list->childCount(); ++row)
                selectedasnoteplays << bool(list->child(row)->state().selected);
        });
        rig->press({"go"});
        QCOMPARE(selectedasnoteplays, QList<bool>({false, true}));

        rig->press({"ce"});
        QCOMPARE(rows(list), QStringList{"forward 50"});
        QCOMPARE(list->child(1), nullptr);
    }

    // The status line is a notification named by its message.
    void theStatusLineIsANotification() {
        QAccessibleInterface* status = accessible(rig->find(rig->graphics(), "warnings"));
        QCOMPARE(status->role(), QAccessible::Notification);
        rig->press({"seven"});
        QCOMPARE(status->text(QAccessible::Name), QString("expecting a command!"));
        // The phrases have a notification of their own beside it, and the
        // status line shows what it showed.
        rig->press({"forwards", "five", "zero"});
        QAccessibleInterface* spoken = accessible(rig->find(rig->graphics(), "spoken"));
        QVERIFY(spoken);
        QCOMPARE(spoken->role(), QAccessible::Notification);
        QCOMPARE(spoken->text(QAccessible::Name), QString("forward 50"));
        QCOMPARE(rig->find<QLabel>(rig->graphics(), "warnings")->text(), QString());
        QCOMPARE(rig->find(rig->graphics(), "spoken")->size(), QSize(0, 0));
    }

    void thePenButtonsSayWhichHolds() {
        auto* on = rig->find<QAbstractButton>(rig->funnies(), "penon");
        auto* off = rig->find<QAbstractButton>(rig->funnies(), "penoff");
        // Each button pressed once and twice, from either state.
        for (QAbstractButton* pressed : {off, off, on, on, off}) {
            QTest::mouseClick(pressed, Qt::LeftButton);
            const bool down = jex::pendown(rig->state());
            QCOMPARE(down, pressed == on);
            QVERIFY(accessible(on)->state().checkable);
            QCOMPARE(bool(accessible(on)->state().checked), down);
            QCOMPARE(bool(accessible(off)->state().checked), !down);
        }
    }

    // No control without a name, no two alike in one window; the read-outs
    // are labelled by the words above them.
    void everyControlHasANameOfItsOwn() {
        for (QWidget* window : rig->simulator->windows()) {
            QList<QAccessibleInterface*> controls;
            controlsof(accessible(window), controls);
            QVERIFY(controls.size() >= 2);
            QSet<QString> names;
            for (QAccessibleInterface* control : controls) {
                const QString name = control->text(QAccessible::Name);
                QVERIFY2(!name.trimmed().isEmpty(), qPrintable(window->windowTitle()));
                QVERIFY2(!name.trimmed().endsWith(" or"), qPrintable(name));
                QVERIFY2(!names.contains(name), qPrintable(window->windowTitle() + ": " + name));
                names << name;
            }
        }
        for (const auto& [window, label, value, words] :
             {std::tuple{rig->funnies(), "xheading", "JEXX", "X value"},
              std::tuple{rig->funnies(), "yheading", "JEXY", "Y value"},
              std::tuple{rig->funnies(), "angleheading", "JEXangle", "heading"},
              std::tuple{rig->funnies(), "speed", "Slider1", "speed"},
              std::tuple{rig->graphics(), "mname", "myname", "my name"}}) {
            const auto labels = accessible(rig->find(window, value))->relations(QAccessible::Label);
            QCOMPARE(labels.size(), 1);
            QCOMPARE(labels.first().first, accessible(rig->find(window, label)));
            QCOMPARE(labels.first().first->text(QAccessible::Name), QString(words));
        }
        QCOMPARE(accessible(rig->find(rig->graphics(), "Picture1"))->text(QAccessible::Name),
                 QString("drawing area"));
        QCOMPARE(accessible(rig->find(rig->buttons(), "ce"))->text(QAccessible::Name),
                 QString("CE, rub out the last step"));
        QAccessibleInterface* title = accessible(rig->find(rig->program(), "nameheader"));
        QCOMPARE(title->text(QAccessible::Name), QString("program name: none"));
    }

    // The target on the drawing says where it lies.
    void theTargetOnTheDrawingIsNamedWithItsPlace() {
        rig->click(rig->funnies(), "target");
        const jex::JexState& state = rig->state();
        QVERIFY(state.windows.graphics.target.visible);
        QCOMPARE(
            accessible(rig->find(rig->graphics(), "target"))->text(QAccessible::Name),
            QString("target on the drawing at X %1, Y %2").arg(state.targetx).arg(state.targety));
        QCOMPARE(accessible(rig->find(rig->funnies(), "target"))->text(QAccessible::Name),
                 QString("target"));
    }

    void everyControlInEveryWindowShowsARingThatStandsOut() {
        // The target shown, at a place of its own, and the exit window and
        // the help window open.
        jex::JexState& state = rig->state();
        state.targetx = -40;
        state.targety = 30;
        jex::drawtarget(state);
        rig->click(rig->buttons(), "forwards");
        rig->click(rig->program(), "exitbutton");
        QTest::keyClick(rig->graphics(), Qt::Key_F1);
        rig->simulator->platform().syncwindows();
        // Each window that opened has become the active one before the test
        // makes another one active.
        QVERIFY(QTest::qWaitForWindowActive(rig->simulator->help().window()));
        const std::array<QWidget*, 4> four = rig->simulator->windows();
        std::vector<QWidget*> windows(four.begin(), four.end());
        windows.push_back(&rig->simulator->exitwindowwidget());
        windows.push_back(rig->simulator->help().window());

        QStringList faults;
        int checked = 0;
        for (QWidget* window : windows) {
            QVERIFY(window->isVisible());
            rig->activate(window);
            for (QWidget* control : window->findChildren<QWidget*>()) {
                if (!(control->focusPolicy() & Qt::TabFocus) || !control->isVisible()) continue;
                window->setFocus(Qt::OtherFocusReason);
                const QImage without = shot(window);
                control->setFocus(Qt::TabFocusReason);
                QCOMPARE(QApplication::focusWidget(), control);
                const QImage with = shot(window);
                const QRect place(control->mapTo(window, QPoint()), control->size());
                const QString fault = checkring(without, with, place);
                if (!fault.isEmpty())
                    faults << window->windowTitle() + " / " + control->objectName() + ":" + fault;
                ++checked;
            }
        }
        QVERIFY(checked >= 24 + 6 + 12); // the keys, the tools, the drawing's controls
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }
};

QTEST_MAIN(ScreenReaderTest)
#include "screenreader_test.moc"
