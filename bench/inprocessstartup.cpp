// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up inside one process: from making the simulator to its four
// windows shown and exposed, with a silent sound player so the start-up
// sound takes no time. Then the simulator is taken down again.
#include "core/state.h"
#include "qt/simulator.h"
#include "qt/soundplayer.h"

#include <QColor>
#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <array>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>

namespace jex::bench {
namespace {

using std::chrono::steady_clock;
constexpr auto windowwait = std::chrono::seconds(10);

bool allshownandexposed(const std::array<QWidget*, 4>& windows) {
    return std::ranges::all_of(windows, [](const QWidget* window) {
        return window->isVisible() && window->windowHandle() != nullptr &&
               window->windowHandle()->isExposed();
    });
}

// Lets the windows' events through, sleeping between them, until the four
// windows are exposed or the wait runs out.
bool waitforwindows(const std::array<QWidget*, 4>& windows) {
    bool expired = false;
    QTimer alarm;
    alarm.setSingleShot(true);
    QObject::connect(&alarm, &QTimer::timeout, [&expired] { expired = true; });
    alarm.start(std::chrono::duration_cast<std::chrono::milliseconds>(windowwait));
    while (!allshownandexposed(windows)) {
        if (expired) return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

void measurestartup(benchmark::State& state, bool withpicture) {
    for (auto _ : state) {
        const auto begun = steady_clock::now();
        auto simulator = std::make_unique<qt::Simulator>(std::make_unique<qt::SilentSoundPlayer>());
        simulator->start();
        if (!waitforwindows(simulator->windows())) {
            state.SkipWithError("the four windows were not shown");
            break;
        }
        if (simulator->state().pictureloaded != withpicture) {
            state.SkipWithError(withpicture ? "the photo was not loaded" : "a picture was loaded");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(steady_clock::now() - begun).count());
        simulator.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void BM_StartupToWindowsShown(benchmark::State& state) { measurestartup(state, false); }

// The same with a 12-megapixel camera photo as the background picture.
void BM_StartupWithPhotoPicture(benchmark::State& state) {
    const char* home = std::getenv("HOME");
    const std::filesystem::path picture =
        std::filesystem::path(home ? home : ".") / "dorvane" / "jex" / "picture" / "picture.jpg";
    std::filesystem::create_directories(picture.parent_path());
    QImage photo(4000, 3000, QImage::Format_RGB32);
    photo.fill(QColor(90, 140, 200));
    for (int y = 0; y < photo.height(); y += 40)
        for (int x = 0; x < photo.width(); ++x) photo.setPixelColor(x, y, Qt::white);
    if (!photo.save(QString::fromStdString(picture.string()), "JPEG", 85)) {
        state.SkipWithError("the photo could not be written");
        return;
    }
    measurestartup(state, true);
    std::filesystem::remove(picture);
}

BENCHMARK(BM_StartupToWindowsShown)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartupWithPhotoPicture)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
} // namespace jex::bench
