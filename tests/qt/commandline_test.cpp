// SPDX-License-Identifier: GPL-3.0-or-later
// What the program makes of its arguments (with --export, --screen and
// --zoom) and of the desktop it is started on, before any window exists.
#include "qt/commandline.h"
#include "qt/projectoroptions.h"

#include <QTest>

using jex::qt::CommandLine;
using jex::qt::Desktop;
using Request = CommandLine::Request;

Q_DECLARE_METATYPE(Request)
Q_DECLARE_METATYPE(Desktop)

namespace {

// What the line asks of an export or a projector, in a few words.
QString projectorof(const CommandLine& line) {
    QStringList asked;
    if (line.projector.exportto)
        asked << "export " + QString::fromStdString(*line.projector.exportto);
    if (line.projector.screen)
        asked << QString("screen %1x%2").arg(line.projector.screen->width).arg(line.projector.screen->height);
    if (line.projector.zoom) asked << QString("zoom %1").arg(*line.projector.zoom);
    return asked.join(", ");
}

} // namespace

class CommandLineTest : public QObject {
    Q_OBJECT

  private slots:
    void arguments_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Request>("request");
        QTest::addColumn<QStringList>("file"); // none, or the one file
        QTest::addColumn<QString>("mistake");  // a mistake's line holds nothing else
        QTest::addColumn<QString>("projector");
        const auto row = [](const char* name, const QStringList& arguments, Request request,
                            const QStringList& file, const QString& mistake = {},
                            const QString& projector = {}) {
            QTest::newRow(name) << arguments << request << file << mistake << projector;
        };
        const auto wrong = [&](const char* name, const QStringList& arguments,
                               const QString& mistake) {
            row(name, arguments, Request::mistake, {}, "jex: " + mistake);
        };
        const QStringList none, square{"square.jex"}, a{"a.jex"};
        row("none", none, Request::start, none);
        row("a program", square, Request::start, square);
        row("help", {"--help"}, Request::help, none);
        row("help wins over a file", {"square.jex", "--help"}, Request::help, none);
        row("version", {"--version"}, Request::version, none);
        wrong("two files", {"a.jex", "b.jex"}, "only one program file can be opened at a time");
        wrong("unknown option", {"--fullscreen"}, "unknown option: --fullscreen");
        wrong("toolkit options are not taken", {"-platform", "offscreen"},
              "unknown option: -platform");
        row("a file named like an option", {"--", "-odd.jex"}, Request::start, {"-odd.jex"});
        row("a lone dash is a file", {"-"}, Request::start, {"-"});
        // It gets the message of any file that cannot be opened.
        row("an empty name is a file", {""}, Request::start, {""});
        // The language is chosen before the line is read; reading passes it over.
        row("a language and a file", {"--language", "de", "square.jex"}, Request::start, square);
        row("a language in one argument", {"square.jex", "--language=fr"}, Request::start, square);
        row("a language named like a file is no file", {"--language", "x.jex"}, Request::start,
            none);
        const QString nolanguage = "--language needs a language, for example: --language de";
        wrong("a language missing", {"--language"}, nolanguage);
        wrong("a language empty", {"--language=", "a.jex"}, nolanguage);
        row("after -- it is a file", {"--", "--language"}, Request::start, {"--language"});

        // An export names its output and the program in any order.
        row("export", {"--export", "out.png", "square.jex"}, Request::start, square, {},
            "export out.png");
        row("export after the program", {"square.jex", "--export", "out.png"}, Request::start,
            square, {}, "export out.png");
        row("export and --", {"--export", "out.png", "--", "square.jex"}, Request::start, square,
            {}, "export out.png");
        row("a page for a screen", {"--screen", "1280x720", "--export", "OUT.PDF", "a.jex"},
            Request::start, a, {}, "export OUT.PDF, screen 1280x720");
        const QString exportending = "--export needs a file ending .png or .pdf";
        wrong("export as jpg", {"--export", "out.jpg", "a.jex"}, exportending);
        wrong("export with no name", {"--export", ".png", "a.jex"}, exportending);
        wrong("export with no file", {"--export"}, exportending);
        wrong("export with no program", {"--export", "out.png"}, "--export needs a program file");
        const QString screensize = "--screen needs a size such as 1024x768";
        for (const char* size : {"1024", "100x100", "-1024x768"})
            wrong(size, {"--export", "out.png", "a.jex", "--screen", size}, screensize);
        wrong("screen without export", {"--screen", "1024x768", "a.jex"},
              "--screen only goes with --export");
        wrong("zoom with export", {"--zoom", "150", "--export", "out.png", "a.jex"},
              "--zoom does not go with --export");
        // The zoom is a percentage from 100 to 300.
        row("zoom", {"--zoom", "150"}, Request::start, none, {}, "zoom 150");
        row("zoom 100 and a file", {"--zoom", "100", "a.jex"}, Request::start, a, {}, "zoom 100");
        row("zoom 300", {"--zoom", "300"}, Request::start, none, {}, "zoom 300");
        for (const char* zoom : {"99", "301", "1.5", "150%", "", "+150", "0150000"})
            wrong(qPrintable(QString("zoom ") + zoom), {"--zoom", zoom},
                  "--zoom needs a number from 100 to 300");
        row("after -- a zoom is a file", {"--", "--zoom"}, Request::start, {"--zoom"});
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
        QFETCH(QString, projector);
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
        QCOMPARE(projectorof(line), projector);
    }

    void theZoomGoesOnTopOfTheDesktopsOwnScaling() {
        qunsetenv("QT_SCALE_FACTOR");
        jex::qt::applyzoom(150);
        QCOMPARE(qgetenv("QT_SCALE_FACTOR").toDouble(), 1.5);
        qputenv("QT_SCALE_FACTOR", "2");
        jex::qt::applyzoom(125);
        QCOMPARE(qgetenv("QT_SCALE_FACTOR").toDouble(), 2.5);
        qunsetenv("QT_SCALE_FACTOR");
    }

    void helpShowsTheProjectorsOptions() {
        const QString help = QString::fromStdString(jex::qt::helptext());
        QVERIFY(help.contains("jex --export OUT FILE.jex [--screen WxH]"));
        QVERIFY(help.contains("  --zoom PERCENT"));
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
