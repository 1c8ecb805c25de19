// SPDX-License-Identifier: GPL-3.0-or-later
// The machine the rules run on, as Qt provides it: the windows, the event
// loop, the sounds, the screen and the background picture.
#pragma once

#include "core/chance.h"
#include "core/platform.h"
#include "qt/dialogs.h"
#include "qt/qtprintjob.h"
#include "qt/soundplayer.h"

#include <QElapsedTimer>
#include <QImage>
#include <QSize>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace jex {
struct JexState;
}

namespace jex::qt {

class CanvasView;
class ModelWindow;

class QtPlatform final : public Platform {
  public:
    // The windows in the order they are first shown; the exit window last.
    using WindowList = std::array<ModelWindow*, 5>;

    // `ending` replaces ending the process, for tests; by default the windows
    // close and the process ends. Without dialogs Qt's own are used.
    // `printers` hands out the printer to print on; by default the system's
    // default printer.
    QtPlatform(std::unique_ptr<SoundPlayer> soundplayer, std::function<void()> ending,
               std::unique_ptr<Dialogs> dialogs = nullptr, PrinterSource printers = {});
    ~QtPlatform() override;

    void attach(JexState& jex, WindowList windows, CanvasView& canvas);

    // Brings every window into line with the model.
    void syncwindows();

    void doevents(bool waitformore) override;
    void playsound(std::string_view name) override;
    ScreenInfo screen() override;
    bool loadbackgroundpicture(const std::string& path) override;
    void usebuiltinpicture() override;
    void paintbackground() override;
    void refreshcanvas() override;
    void drawpenline(int x1, int y1, int x2, int y2) override;
    double timeofday() override;
    void seedrandom(double seed) override;
    double random() override;
    CalendarDate today() override;
    std::unique_ptr<PrintJob> startprintjob() override;
    std::unique_ptr<PrintJob> startpdfjob(const std::string& path) override;
    void copypicture() override;
    bool savepicture(const std::string& path) override;
    void speak(std::string_view phrase) override;
    void endprogram() override;
    std::optional<std::string> asksavefile(const FileRequest& request) override;
    std::optional<std::string> askopenfile(const FileRequest& request) override;
    bool askyesno(const std::string& title, const std::string& question) override;
    double textwidth(const Font& font, std::string_view text) override;

    // Lays the windows out for a screen of that many pixels at 96 dots an
    // inch, with no window manager's frames, instead of the real screen.
    void pretendscreen(QSize pixels) { pretendscreen_ = pixels; }
    // Lets each wait for the timer's next tick count that tick at once, so a
    // run goes through its waits without taking their time.
    void skipwaits() { skipwaits_ = true; }

    // The picture the hidden window holds.
    const QImage& backgroundpicture() const { return hiddenpicture_; }
    SoundPlayer& soundplayer() { return *soundplayer_; }

  private:
    void awaitnewwindows();

    std::unique_ptr<SoundPlayer> soundplayer_;
    std::function<void()> ending_;
    std::unique_ptr<Dialogs> dialogs_;
    PrinterSource printers_;
    JexState* jex_ = nullptr;
    WindowList windows_{};
    CanvasView* canvas_ = nullptr;
    QImage hiddenpicture_;
    std::optional<FrameMargins> frame_;
    std::optional<QSize> pretendscreen_;
    bool skipwaits_ = false;
    bool newwindows_ = false; // shown, and no event handled since
    QElapsedTimer sincesync_;
    Chance chance_;
};

} // namespace jex::qt
