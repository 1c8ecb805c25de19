// SPDX-License-Identifier: GPL-3.0-or-later
// Every caption and label fits its control in every language the program
// ships, measured in the real fonts on the screen this test is started on
// (800 x 600 and 1024 x 768 pixels). A translation that does not fit is
// shortened in its table, never set in a smaller type. The Yes or No question
// answers in the program's language; the file dialog offers the string
// table's filters.
#include "simulatorrig.h"

#include "core/languages.h"
#include "core/textids.h"
#include "core/texts.h"
#include "files/names.h"
#include "qt/dialogs.h"
#include "qt/exitwindow.h"
#include "qt/simulator.h"

#include <QApplication>
#include <QDir>
#include <QFontMetrics>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <tuple>

using jex::testing::SimulatorRig;
namespace textid = jex::textid;

namespace {

// The width a control needs to show a text whole, as Qt lays it out: a button
// or a centred label as wide as its size hint for that text; a label that
// starts its text at the left needs the hint's margin before the text and its
// padding (2 pixels) after it; a text box its border, padding and caret.
int needed(QWidget& widget, const QString& text) {
    const int textwidth = QFontMetrics(widget.font()).horizontalAdvance(text);
    if (auto* button = qobject_cast<QPushButton*>(&widget)) {
        const QString before = button->text();
        button->setText(text);
        const int hint = button->sizeHint().width();
        button->setText(before);
        return hint;
    }
    if (auto* label = qobject_cast<QLabel*>(&widget)) {
        const QString before = label->text();
        label->setText(text);
        const int hint = label->sizeHint().width();
        label->setText(before);
        if (label->alignment() & Qt::AlignHCenter) return hint;
        return textwidth + (hint - textwidth) / 2 + 2;
    }
    return textwidth + 2 * (1 + 2) + 1;
}

QString shown(int number) {
    return QString::fromStdString(jex::text(number));
}

// The program's own English texts stand as they are, even where one of them
// is wider than its control on a small screen; a translation may then be as
// wide as the English, never wider. Filled by the English row, which runs
// first.
QHash<QString, int> englishwidths;

class Measure {
  public:
    explicit Measure(bool english) : english_(english) {}

    // Notes a text wider than the room its control gives it.
    void fit(QWidget* widget, const QString& text, const QString& where) {
        if (!widget) {
            failures << where + ": no such control";
            return;
        }
        const int width = needed(*widget, text);
        const int room = widget->width();
        if (english_) {
            englishwidths[where] = width;
            if (width > room)
                qInfo("The English %s is %d pixels wider than its control", qPrintable(where),
                      width - room);
        } else if (width > std::max(room, englishwidths.value(where))) {
            failures << QStringLiteral("%1: \"%2\" needs %3 pixels, the control has %4")
                            .arg(where, text)
                            .arg(width)
                            .arg(room);
        }
    }
    QStringList failures;

  private:
    bool english_;
};

} // namespace

class LanguageFitTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { jex::uselanguage({}); }

    void everyTextFitsItsControl_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("en") << QString();
        const QDir folder(QStringLiteral(JEX_LANGUAGES));
        for (const QString& file : folder.entryList({QStringLiteral("*.txt")}, QDir::Files))
            QTest::newRow(qPrintable(file)) << file.chopped(4);
        QVERIFY(folder.entryList({QStringLiteral("*.txt")}, QDir::Files).size() >= 6);
    }

    void everyTextFitsItsControl() {
        QFETCH(QString, language);
        if (!language.isEmpty()) {
            const auto table = jex::readlanguage(language.toStdString(), {JEX_LANGUAGES});
            QVERIFY(table);
            jex::uselanguage(*table);
        }
        SimulatorRig rig;
        rig.start();
        Measure measure(language.isEmpty());

        // Every caption as the windows show it after start-up.
        for (QWidget* window : rig.simulator->windows()) {
            for (QWidget* control : window->findChildren<QWidget*>()) {
                if (!control->isVisible()) continue;
                if (auto* label = qobject_cast<QLabel*>(control))
                    measure.fit(label, label->text(), label->objectName());
                else if (auto* button = qobject_cast<QPushButton*>(control))
                    measure.fit(button, button->text(), button->objectName());
                else if (auto* box = qobject_cast<QLineEdit*>(control))
                    measure.fit(box, box->text(), box->objectName());
            }
        }

        // The captions a control takes later on.
        QWidget* graphics = rig.graphics();
        for (const char* button : {"change1", "change2"})
            measure.fit(rig.find(graphics, button), shown(textid::endchange), button);
        const int messages[] = {
            textid::programfull,     textid::toomanyrepeats,   textid::nomatchingrepeat,
            textid::expectingnumber, textid::expectingcommand, textid::cantusehere,
            textid::toolong,         textid::nomatchingend,    textid::nothingtorubout,
            textid::running,         textid::stopped,          textid::finished,
            textid::crashed,         textid::parked,           textid::missed,
            textid::cantopenfile,    textid::cancelled,        textid::printfinished,
            textid::printererror,    textid::picturecopied};
        for (int message : messages)
            measure.fit(rig.find(graphics, "warnings"), shown(message),
                        QStringLiteral("warnings (%1)").arg(message));
        for (const char* box : {"pf1", "pf2"})
            measure.fit(rig.find(graphics, box), shown(textid::functiontwo), box);
        measure.fit(rig.find(graphics, "myname"), shown(textid::me), "myname");

        // The listing's words, one repeat deep and with their longest number.
        QWidget* listing = rig.find(rig.program(), "programtext");
        for (int word = textid::forward; word <= textid::end; ++word)
            measure.fit(listing, QStringLiteral("  %1  999").arg(shown(word)),
                        QStringLiteral("programtext (%1)").arg(word));
        // A call is listed by the function's name.
        for (int name : {textid::functionone, textid::functiontwo})
            measure.fit(listing, QStringLiteral("  ") + shown(name),
                        QStringLiteral("programtext (%1)").arg(name));

        // The default names pass the name boxes' own width limits untouched.
        const std::pair<jex::NameBox, int> defaults[] = {
            {jex::NameBox::progname, textid::myprogram},
            {jex::NameBox::pf1, textid::functionone},
            {jex::NameBox::pf2, textid::functiontwo},
            {jex::NameBox::myname, textid::me}};
        for (const auto& [box, name] : defaults) {
            jex::namebox_Change(rig.state(), box, jex::text(name));
            if (rig.state().windows.graphics.warnings.caption == jex::text(textid::toolong))
                measure.failures << QStringLiteral("name box: \"%1\" is too long").arg(shown(name));
            jex::namebox_LostFocus(rig.state());
        }

        // The window that asks before an unsaved program is left.
        rig.state().saved = false;
        rig.click(rig.program(), "exitbutton");
        QWidget* asking = &rig.simulator->exitwindowwidget();
        QVERIFY(asking->isVisible());
        measure.fit(rig.find(asking, "Label1"), shown(textid::notsaved), "Label1");
        measure.fit(rig.find(asking, "cancel"), shown(textid::cancel), "cancel");
        measure.fit(rig.find(asking, "exitanyway"), shown(textid::exitanyway), "exitanyway");
        if (asking->frameGeometry().width() > asking->screen()->geometry().width())
            measure.failures << QStringLiteral("exit window wider than the screen");

        QVERIFY2(measure.failures.isEmpty(), qPrintable(measure.failures.join('\n')));
    }

    void theAnswersSpeakTheLanguage_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("yes");
        QTest::addColumn<QString>("no");
        for (const auto& [language, yes, no] :
             {std::tuple{"", "&Yes", "&No"}, {"de", "&Ja", "&Nein"}, {"cy", "&Ie", "&Na"}})
            QTest::newRow(*language ? language : "en")
                << QString(language) << QString(yes) << QString(no);
    }

    void theAnswersSpeakTheLanguage() {
        QFETCH(QString, language);
        QFETCH(QString, yes);
        QFETCH(QString, no);
        if (!language.isEmpty())
            QCOMPARE(jex::chooselanguage({language.toStdString()}, {JEX_LANGUAGES}),
                     language.toStdString());
        QStringList answers;
        // The question waits for its answer; it is read and answered "no".
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box) return;
            answers << box->button(QMessageBox::Yes)->text()
                    << box->button(QMessageBox::No)->text();
            box->button(QMessageBox::No)->click();
        });
        jex::qt::QtDialogs dialogs;
        QVERIFY(!dialogs.askyesno("JEX", jex::text(169)));
        QCOMPARE(answers, (QStringList{yes, no}));
    }

    // The table holds "description|pattern|" pairs; the dialog takes lines.
    void theFileDialogsFiltersComeInPairs() {
        QCOMPARE(jex::qt::namefilters("JEX programs|*.jex|all files|*|"),
                 QString("JEX programs (*.jex);;all files (*)"));
    }
};

QTEST_MAIN(LanguageFitTest)
#include "languagefit_test.moc"
