// SPDX-License-Identifier: GPL-3.0-or-later
// Programs made the way pupils make them: the bytes are a script of keypad
// keys, change and use buttons, texts typed into the name boxes, and digits
// keyed on after a restore as a keypad that keeps its entry state would take
// them. Whatever comes of it must be written as a file that reads back as
// the same program, with every name as it is in memory.
#include "core/platform.h"
#include "core/state.h"
#include "entry/keypad.h"
#include "files/names.h"
#include "files/programbuttons.h"
#include "files/programfile.h"
#include "run/keypadkeys.h"
#include "windows/layout.h"
#include "windows/startup.h"

#include "../support/fakewidth.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using namespace jex;

// Characters a pupil can type or paste, among them some that take no width
// and some the file cannot hold.
// clang-format off
constexpr std::array<std::string_view, 14> typeable = {
    "a", "W", " ", "\xC3\xA9", "\"", "\r\n", "\t",
    "\xE2\x80\x8B", "\xC2\xAD", "\xCC\x81", "\xEF\xBB\xBF", // of no width
    "\xE6\xBC\xA2", "\xE2\x82\xAC", "\xE2\x81\xA0"};          // a Chinese sign, the euro, of no width
// clang-format on

// Nothing is ever run, so nothing waits; names are measured as in the rule
// tests, the characters of no width left out.
class ScriptPlatform : public Platform {
  public:
    void doevents(bool) override {}
    void playsound(std::string_view) override {}
    ScreenInfo screen() override { return {1024, 768, 15, 15, {}}; }
    bool loadbackgroundpicture(const std::string&) override { return false; }
    void usebuiltinpicture() override {}
    void paintbackground() override {}
    void refreshcanvas() override {}
    void drawpenline(int, int, int, int) override {}
    double timeofday() override { return 0; }
    void seedrandom(double) override {}
    double random() override { return 0.5; }
    CalendarDate today() override { return {}; }
    std::optional<std::string> asksavefile(const FileRequest&) override { return {}; }
    std::optional<std::string> askopenfile(const FileRequest&) override { return {}; }
    bool askyesno(const std::string&, const std::string&) override { return true; }
    double textwidth(const Font& font, std::string_view text) override {
        return jex::testing::fakewidth(font, text);
    }
    std::unique_ptr<PrintJob> startprintjob() override { return nullptr; }
    std::unique_ptr<PrintJob> startpdfjob(const std::string&) override { return nullptr; }
    void copypicture() override {}
    bool savepicture(const std::string&) override { return false; }
    void speak(std::string_view) override {}
    void endprogram() override {}
};

void fail(const char* what, const std::string& written) {
    std::fprintf(stderr, "%s\n%s\n", what, written.c_str());
    std::abort();
}

// A digit keyed onto the last step whatever it is, as far as 16 bits go.
void digitontolast(JexState& jex, int digit) {
    const int s = jex.currentslot;
    const int n = jex.store.stepcount[s];
    if (n == 0) return;
    const int before = valueof(jex.store.arguments[n][s]);
    const long after = before == awaitingnumber ? digit : before * 10L + digit;
    if (after > 32767 || after < -32768) return;
    adddigit(jex, digit);
}

// The boxes in the order of their actions, each with the caption it shows.
constexpr std::pair<NameBox, Control GraphicsWindow::*> boxes[] = {
    {NameBox::progname, &GraphicsWindow::progname},
    {NameBox::myname, &GraphicsWindow::myname},
    {NameBox::pf1, &GraphicsWindow::pf1},
    {NameBox::pf2, &GraphicsWindow::pf2}};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ScriptPlatform platform;
    JexState jex(platform);
    initvariables(jex);
    layoutwindows(jex);
    startwindows(jex);

    std::size_t at = 0;
    while (at < size) {
        const int action = data[at++] % 40;
        if (action < keycount) {
            const Key key = static_cast<Key>(action);
            // Runs are the runner's own business, and would wait for ticks.
            if (key != Key::go && key != Key::test) keypad_Click(jex, key);
        } else if (action < 28) {
            constexpr void (*buttons[])(JexState&) = {change1_Click, change2_Click, use1_Click,
                                                      use2_Click};
            buttons[action - keycount](jex);
        } else if (action < 32) {
            // Typing or pasting at the end of a box, or emptying it: a count of
            // pairs of characters, then one byte a character.
            const auto [box, control] = boxes[action - 28];
            const std::size_t length = at < size ? 2u * data[at++] : 0;
            std::string text =
                length == 0 ? std::string() : (jex.windows.graphics.*control).caption;
            for (std::size_t i = 0; i < length && at < size; ++i)
                text += typeable[data[at++] % typeable.size()];
            namebox_Change(jex, box, text);
        } else {
            digitontolast(jex, (action - 32) % 10);
        }
    }

    const ProgramFile inmemory{jex.authorname, jex.store};
    const std::string written = writeprogram(inmemory);
    const ReadResult read = readprogram(written);
    if (!read.program) fail(("refused: " + read.refusal).c_str(), written);
    if (writeprogram(*read.program) != written) fail("read back differently", written);
    // The boxes kept every name within what the file carries.
    if (fieldbytes(read.program->authorname) != fieldbytes(jex.authorname)) fail("author", written);
    for (int s = 0; s < slotcount; ++s)
        if (fieldbytes(read.program->store.slotname[s]) != fieldbytes(jex.store.slotname[s]))
            fail("slot name", written);
    return 0;
}
