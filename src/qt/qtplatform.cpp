// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/qtplatform.h"

#include "core/state.h"
#include "entry/timerwaits.h"
#include "qt/canvasview.h"
#include "qt/looks.h"
#include "qt/modelwindow.h"
#include "qt/pulsesoundplayer.h"
#include "qt/screenreadernames.h"
#include "qt/windowframe.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDate>
#include <QTime>
#include <QDeadlineTimer>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QSvgRenderer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace jex::qt {
namespace {

constexpr int builtinpicturesize = 50;
// Widest and tallest a background picture is kept: enough for a printed page.
constexpr int largestpicture = 2500; // pixels
// Longest a new window may take to reach the screen before a sound plays.
constexpr int exposuretime = 1000; // milliseconds
// The windows are brought into line with the model at most this often while
// a run goes on without waiting: the screen shows no more than a frame.
constexpr int frametime = 16; // milliseconds

} // namespace

QtPlatform::QtPlatform(std::unique_ptr<SoundPlayer> soundplayer, std::function<void()> ending,
                       std::unique_ptr<Dialogs> dialogs, PrinterSource printers)
    : soundplayer_(soundplayer ? std::move(soundplayer) : std::make_unique<PulseSoundPlayer>()),
      ending_(std::move(ending)),
      dialogs_(dialogs ? std::move(dialogs) : std::make_unique<QtDialogs>()),
      printers_(printers ? std::move(printers) : defaultprinter) {}

QtPlatform::~QtPlatform() = default;

void QtPlatform::attach(JexState& jex, WindowList windows, CanvasView& canvas) {
    jex_ = &jex;
    windows_ = windows;
    canvas_ = &canvas;
}

void QtPlatform::syncwindows() {
    if (!jex_) return;
    const ScreenInfo info = screen();
    for (ModelWindow* window : windows_)
        if (window->sync(info)) newwindows_ = true;
    sincesync_.start();
}

void QtPlatform::doevents(bool waitformore) {
    // A run at full speed passes here after every step; showing each step
    // would cost far more than the step, and no eye could follow it.
    if (waitformore || !sincesync_.isValid() || sincesync_.hasExpired(frametime)) syncwindows();
    newwindows_ = false;
    if (waitformore && skipwaits_ && jex_) {
        Timer1_Timer(*jex_);
        waitformore = false;
    }
    // Looping on AllEvents would spin a core while a wait counts ticks;
    // waiting for the next event sleeps until the timer or the pupil acts.
    QCoreApplication::processEvents(waitformore ? QEventLoop::WaitForMoreEvents
                                                : QEventLoop::AllEvents);
}

void QtPlatform::speak(std::string_view phrase) {
    if (!jex_) return;
    // The status line speaks what it shows as the windows follow the model:
    // a message shown before the phrase is spoken before it.
    syncwindows();
    for (ModelWindow* window : windows_) {
        // Beside the status line, where the messages come from.
        if (window && window->findChild<QLabel*>(QStringLiteral("warnings")))
            jex::qt::speak(*window, qtext(std::string(phrase)));
    }
}

void QtPlatform::playsound(std::string_view name) {
    // The sound holds up the whole program, so what it goes with (a message,
    // the robot's last move) has to be on the screen before it starts.
    syncwindows();
    awaitnewwindows();
    for (ModelWindow* window : windows_)
        if (window && window->isVisible()) window->repaint();
    soundplayer_->play(name);
}

void QtPlatform::awaitnewwindows() {
    if (!newwindows_) return;
    newwindows_ = false;
    // A window that has only just been shown cannot be painted until the
    // display says it is on the screen. Clicks wait until the sound is over.
    const auto unexposed = [this] {
        return std::any_of(windows_.begin(), windows_.end(), [](const ModelWindow* window) {
            return window->isVisible() &&
                   !(window->windowHandle() && window->windowHandle()->isExposed());
        });
    };
    const QDeadlineTimer deadline(exposuretime);
    while (unexposed() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                        QEventLoop::WaitForMoreEvents);
}

ScreenInfo QtPlatform::screen() {
    ScreenInfo info;
    if (pretendscreen_) {
        info.widthpixels = pretendscreen_->width();
        info.heightpixels = pretendscreen_->height();
        return info;
    }
    if (const QScreen* primary = QGuiApplication::primaryScreen()) {
        info.widthpixels = primary->geometry().width();
        info.heightpixels = primary->geometry().height();
        info.twipsperpixelx = 1440.0 / primary->logicalDotsPerInchX();
        info.twipsperpixely = 1440.0 / primary->logicalDotsPerInchY();
    }
    // The frame cannot change while the program runs; asking costs a round
    // trip to the window manager, so it is asked once.
    if (!frame_) frame_ = windowframe();
    info.frame = *frame_;
    return info;
}

bool QtPlatform::loadbackgroundpicture(const std::string& path) {
    // A photo straight from a camera would hold tens of megabytes and slow
    // every wipe of the drawing; more than a printed page shows is never
    // needed, so it is made smaller once, while it is decoded.
    const QSize largest(largestpicture, largestpicture);
    QImageReader reader(QString::fromStdString(path));
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > largest.width() || size.height() > largest.height()))
        reader.setScaledSize(size.scaled(largest, Qt::KeepAspectRatio));
    QImage picture = reader.read();
    if (picture.isNull()) return false;
    // Some formats only tell their size once they are decoded.
    if (picture.width() > largest.width() || picture.height() > largest.height())
        picture = picture.scaled(largest, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    hiddenpicture_ = std::move(picture);
    return true;
}

void QtPlatform::usebuiltinpicture() {
    QImage picture(builtinpicturesize, builtinpicturesize, QImage::Format_RGB32);
    picture.fill(jex_ ? qcolour(jex_->windows.graphics.Picture1.background) : QColor(Qt::white));
    QSvgRenderer green(QStringLiteral(":/keys/125-green.svg"));
    QPainter painter(&picture);
    green.render(&painter);
    hiddenpicture_ = std::move(picture);
}

void QtPlatform::paintbackground() {
    if (!jex_ || !canvas_) return;
    const Control& area = jex_->windows.graphics.Picture1;
    canvas_->paintpicture(hiddenpicture_, QSize(area.width, area.height), qcolour(area.background));
}

void QtPlatform::refreshcanvas() {
    if (!canvas_) return;
    syncwindows();
    canvas_->paintchangesnow();
}

void QtPlatform::drawpenline(int x1, int y1, int x2, int y2) {
    if (!jex_ || !canvas_) return;
    canvas_->drawline(QPoint(x1, y1), QPoint(x2, y2),
                      qcolour(jex_->windows.graphics.Picture1.foreground));
}

double QtPlatform::timeofday() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

void QtPlatform::seedrandom(double seed) { chance_.seed(seed); }

double QtPlatform::random() { return chance_.draw(); }

CalendarDate QtPlatform::today() {
    const QDate date = QDate::currentDate();
    return {date.day(), date.month(), date.year()};
}

// A dialog waits for the pupil; what the rules changed so far has to be on
// the screen meanwhile.
std::optional<std::string> QtPlatform::asksavefile(const FileRequest& request) {
    syncwindows();
    return dialogs_->asksavefile(request);
}

std::optional<std::string> QtPlatform::askopenfile(const FileRequest& request) {
    syncwindows();
    return dialogs_->askopenfile(request);
}

bool QtPlatform::askyesno(const std::string& title, const std::string& question) {
    syncwindows();
    return dialogs_->askyesno(title, question);
}

double QtPlatform::textwidth(const Font& font, std::string_view text) {
    return QFontMetricsF(qfont(font))
        .horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

std::unique_ptr<PrintJob> QtPlatform::startprintjob() {
    std::unique_ptr<QPrinter> printer = printers_();
    if (!printer || !printer->isValid()) return nullptr;
    return std::make_unique<QtPrintJob>(std::move(printer), hiddenpicture_);
}

std::unique_ptr<PrintJob> QtPlatform::startpdfjob(const std::string& path) {
    return std::make_unique<QtPrintJob>(pdfprinter(QString::fromStdString(path)), hiddenpicture_);
}

void QtPlatform::copypicture() {
    if (!canvas_) return;
    syncwindows();
    QGuiApplication::clipboard()->setPixmap(canvas_->picture());
}

bool QtPlatform::savepicture(const std::string& path) {
    if (!canvas_) return false;
    syncwindows();
    return canvas_->picture().save(QString::fromStdString(path), "PNG");
}

void QtPlatform::endprogram() {
    if (ending_) {
        ending_();
        return;
    }
    for (ModelWindow* window : windows_)
        if (window) window->hide();
    std::fflush(nullptr);
    std::exit(0);
}

} // namespace jex::qt
