// SPDX-License-Identifier: GPL-3.0-or-later
// What the program makes of its arguments and of the desktop it is started
// on, before any window exists.
#include "qt/commandline.h"

#include <QTest>

using jex::qt::CommandLine;
using jex::qt::Desktop;
using Request = CommandLine::Request;

Q_DECLARE_METATYPE(Request)
Q_DECLARE_METATYPE(Desktop)

class CommandLineTest : public QObject {
    Q_OBJECT

  private slots:
    void arguments_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Request>("request");
        QTest::addColumn<QStringList>("file"); // none, or the one file
        QTest::addColumn<QString>("mistake");

        const QStringList none;
        QTest::newRow("none") << none << Request::start << none << "";
        QTest::newRow("a program")
            << QStringList{"square.jex"} << Request::start << QStringList{"square.jex"} << "";
        QTest::newRow("help") << QStringList{"--help"} << Request::help << none << "";
        QTest::newRow("help wins over a file")
            << QStringList{"square.jex", "--help"} << Request::help << none << "";
        QTest::newRow("version") << QStringList{"--version"} << Request::version << none << "";
        QTest::newRow("two files") << QStringList{"a.jex", "b.jex"} << Request::mistake << none
                                   << "jex: only one program file can be opened at a time";
        QTest::newRow("unknown option") << QStringList{"--fullscreen"} << Request::mistake << none
                                        << "jex: unknown option: --fullscreen";
        QTest::newRow("toolkit options are not taken")
            << QStringList{"-platform", "offscreen"} << Request::mistake << none
            << "jex: unknown option: -platform";
        QTest::newRow("a file named like an option")
            << QStringList{"--", "-odd.jex"} << Request::start << QStringList{"-odd.jex"} << "";
        QTest::newRow("a lone dash is a file")
            << QStringList{"-"} << Request::start << QStringList{"-"} << "";
        // It gets the message of any file that cannot be opened.
        QTest::newRow("an empty name is a file")
            << QStringList{""} << Request::start << QStringList{""} << "";
        // The language is chosen before the line is read; reading passes it over.
        QTest::newRow("a language and a file")
            << QStringList{"--language", "de", "square.jex"} << Request::start
            << QStringList{"square.jex"} << "";
        QTest::newRow("a language in one argument")
            << QStringList{"square.jex", "--language=fr"} << Request::start
            << QStringList{"square.jex"} << "";
        QTest::newRow("a language named like a file is no file")
            << QStringList{"--language", "x.jex"} << Request::start << none << "";
        QTest::newRow("a language missing")
            << QStringList{"--language"} << Request::mistake << none
            << "jex: --language needs a language, for example: --language de";
        QTest::newRow("a language empty")
            << QStringList{"--language=", "a.jex"} << Request::mistake << none
            << "jex: --language needs a language, for example: --language de";
        QTest::newRow("after -- it is a file")
            << QStringList{"--", "--language"} << Request::start << QStringList{"--language"}
            << "";
    }

    void askedLanguage() {
        using Asked = std::optional<std::string>;
        const auto asked = [](std::initializer_list<std::string_view> arguments) {
            return jex::qt::askedlanguage(arguments);
        };
        QCOMPARE(asked({}), Asked{});
        QCOMPARE(asked({"square.jex"}), Asked{});
        QCOMPARE(asked({"--language", "cy"}), Asked{"cy"});
        QCOMPARE(asked({"--help", "--language=pl"}), Asked{"pl"});
        QCOMPARE(asked({"--language", "de", "--language", "nl"}), Asked{"nl"});
        QCOMPARE(asked({"--language"}), Asked{""});
        QCOMPARE(asked({"--", "--language", "de"}), Asked{});
    }
    void arguments() {
        QFETCH(QStringList, arguments);
        QFETCH(Request, request);
        QFETCH(QStringList, file);
        QFETCH(QString, mistake);
        std::vector<std::string> held;
        for (const QString& argument : arguments)
            held.push_back(argument.toStdString());
        const CommandLine line =
            jex::qt::readcommandline(std::vector<std::string_view>(held.begin(), held.end()));
        QCOMPARE(line.request, request);
        QStringList found;
        if (line.programfile) found << QString::fromStdString(*line.programfile);
        QCOMPARE(found, file);
        QCOMPARE(QString::fromStdString(line.mistake), mistake);
    }

    void desktop_data() {
        QTest::addColumn<QStringList>("environment"); // NAME=value
        QTest::addColumn<bool>("x11answers");
        QTest::addColumn<Desktop>("desktop");
        const QStringList x{"DISPLAY=:0"}, wayland{"WAYLAND_DISPLAY=wayland-0"};
        QTest::newRow("nothing") << QStringList() << false << Desktop::none;
        QTest::newRow("X") << x << true << Desktop::x11;
        QTest::newRow("X that does not answer")
            << QStringList{"DISPLAY=:7"} << false << Desktop::none;
        QTest::newRow("Wayland with XWayland") << x + wayland << true << Desktop::x11;
        QTest::newRow("Wayland alone") << wayland << false << Desktop::asgiven;
        QTest::newRow("platform named")
            << QStringList{"QT_QPA_PLATFORM=offscreen"} << false << Desktop::asgiven;
    }
    void desktop() {
        QFETCH(QStringList, environment);
        QFETCH(bool, x11answers);
        QFETCH(Desktop, desktop);
        int probes = 0;
        const Desktop found = jex::qt::finddesktop(
            [&](const char* name) {
                for (const QString& setting : environment)
                    if (setting.startsWith(QString(name) + "="))
                        return setting.section('=', 1).toStdString();
                return std::string();
            },
            [&] {
                ++probes;
                return x11answers;
            });
        QCOMPARE(found, desktop);
        // The display is only asked when there is one to ask.
        QVERIFY(probes <= (environment.filter("DISPLAY=:").isEmpty() ? 0 : 1));
    }
};

QTEST_APPLESS_MAIN(CommandLineTest)
#include "commandline_test.moc"
