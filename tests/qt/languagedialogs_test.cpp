// SPDX-License-Identifier: GPL-3.0-or-later
// The Yes or No question answers in the program's language; the file dialog
// offers the string table's filters.
#include "core/languages.h"
#include "core/texts.h"
#include "qt/dialogs.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <tuple>

class LanguageDialogsTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { jex::uselanguage({}); }

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

QTEST_MAIN(LanguageDialogsTest)
#include "languagedialogs_test.moc"
