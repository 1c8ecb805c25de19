// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's --export, --screen and --zoom, read beside the other
// arguments.
#include "qt/commandline.h"
#include "qt/projectoroptions.h"

#include <QTest>

using jex::qt::CommandLine;
using jex::qt::readcommandline;
using Arguments = std::vector<std::string_view>;

class ProjectorOptionsTest : public QObject {
    Q_OBJECT

  private slots:
    void anExportNamesItsOutputAndTheProgramInAnyOrder() {
        for (const Arguments& arguments : {Arguments{"--export", "out.png", "square.jex"},
                                           Arguments{"square.jex", "--export", "out.png"},
                                           Arguments{"--export", "out.png", "--", "square.jex"}}) {
            const CommandLine line = readcommandline(arguments);
            QCOMPARE(int(line.request), int(CommandLine::Request::start));
            QCOMPARE(line.projector.exportto, std::optional<std::string>("out.png"));
            QCOMPARE(line.programfile, std::optional<std::string>("square.jex"));
            QVERIFY(!line.projector.screen);
        }
        const CommandLine page =
            readcommandline({"--screen", "1280x720", "--export", "OUT.PDF", "a.jex"});
        QCOMPARE(page.projector.exportto, std::optional<std::string>("OUT.PDF"));
        QVERIFY(page.projector.screen == (jex::qt::ScreenSize{1280, 720}));
    }

    void aWrongExportIsAMistakeThatSaysWhat() {
        const struct {
            Arguments arguments;
            const char* said;
        } cases[] = {
            {{"--export", "out.jpg", "a.jex"}, "jex: --export needs a file ending .png or .pdf"},
            {{"--export", ".png", "a.jex"}, "jex: --export needs a file ending .png or .pdf"},
            {{"--export"}, "jex: --export needs a file ending .png or .pdf"},
            {{"--export", "out.png"}, "jex: --export needs a program file"},
            {{"--export", "out.png", "a.jex", "--screen", "1024"},
             "jex: --screen needs a size such as 1024x768"},
            {{"--export", "out.png", "a.jex", "--screen", "100x100"},
             "jex: --screen needs a size such as 1024x768"},
            {{"--export", "out.png", "a.jex", "--screen", "-1024x768"},
             "jex: --screen needs a size such as 1024x768"},
            {{"--screen", "1024x768", "a.jex"}, "jex: --screen only goes with --export"},
            {{"--zoom", "150", "--export", "out.png", "a.jex"},
             "jex: --zoom does not go with --export"},
        };
        for (const auto& c : cases) {
            const CommandLine line = readcommandline(c.arguments);
            QCOMPARE(int(line.request), int(CommandLine::Request::mistake));
            QCOMPARE(QString::fromStdString(line.mistake), QString(c.said));
        }
    }

    void theZoomIsAPercentageFrom100To300() {
        QCOMPARE(readcommandline({"--zoom", "150"}).projector.zoom, std::optional<int>(150));
        QCOMPARE(readcommandline({"--zoom", "100", "a.jex"}).projector.zoom,
                 std::optional<int>(100));
        QCOMPARE(readcommandline({"--zoom", "300"}).projector.zoom, std::optional<int>(300));
        for (const char* wrong : {"99", "301", "1.5", "150%", "", "+150", "0150000"}) {
            const CommandLine line = readcommandline({"--zoom", wrong});
            QCOMPARE(int(line.request), int(CommandLine::Request::mistake));
            QCOMPARE(QString::fromStdString(line.mistake),
                     QString("jex: --zoom needs a number from 100 to 300"));
        }
        // After "--" everything is a file name.
        const CommandLine file = readcommandline({"--", "--zoom"});
        QCOMPARE(file.programfile, std::optional<std::string>("--zoom"));
        QVERIFY(!file.projector.zoom);
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

    void helpShowsTheOptions() {
        const QString help = QString::fromStdString(jex::qt::helptext());
        QVERIFY(help.contains("jex --export OUT FILE.jex [--screen WxH]"));
        QVERIFY(help.contains("  --zoom PERCENT"));
    }
};

QTEST_MAIN(ProjectorOptionsTest)
#include "projectoroptions_test.moc"
