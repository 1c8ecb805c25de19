// SPDX-License-Identifier: GPL-3.0-or-later
// The page both editions' print jobs keep: page units scaled to the printer's
// dots, text placed and advanced, and a line that would run off the bottom
// starting the next page.
#include "printing/pagedjob.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace jex::testing {
namespace {

// A printer of 1000 by 2000 dots whose letters are a point wide and whose
// lines are two points apart; it writes down where each thing was drawn.
class DotPrinter : public PagedPrintJob {
  public:
    double width = 1000;
    std::vector<std::string> drawn;
    int pages = 1;

    std::optional<PageSize> pagesize() override { return std::nullopt; }
    bool settitle(std::string_view) override { return true; }
    bool enddocument() override { return true; }
    void abandon() override {}

  protected:
    double widthdots() const override { return width; }
    double heightdots() const override { return 2000; }
    double textwidthdots(std::string_view text, double points) const override {
        return static_cast<double>(text.size()) * points;
    }
    double linespacingdots(double points) const override { return 2 * points; }
    bool drawtext(double x, double y, std::string_view text, double) override {
        return note("p" + std::to_string(pages) + " " + std::string(text), x, y);
    }
    bool drawline(double x1, double y1, double, double, Colour, int dots) override {
        return note("line " + std::to_string(dots), x1, y1);
    }
    bool drawrectangle(double, double, double width, double height, Colour, int) override {
        return note("box", width, height);
    }
    bool drawpicture(double left, double top, double, double) override { return note("picture", left, top); }
    void startpage() override { ++pages; }

  private:
    bool note(const std::string& what, double x, double y) {
        drawn.push_back(what + " " + std::to_string(static_cast<int>(x)) + "," + std::to_string(static_cast<int>(y)));
        return true;
    }
};

TEST(PagedJob, ScalesPlacesAdvancesAndStartsANewPageOnlyForALineThatWouldRunOff) {
    DotPrinter printer;
    EXPECT_FALSE(printer.setscale(0, 200));
    ASSERT_TRUE(printer.setscale(100, 200));  // 10 dots to the unit each way
    EXPECT_FALSE(printer.setfontsize(0));
    ASSERT_TRUE(printer.setfontsize(20));    // letters 2 units wide, lines 4 units apart
    printer.setcurrentx(5);
    printer.printtext("ab", LineEnd::stay);
    printer.printtext("c", LineEnd::next);
    printer.printtext("d", LineEnd::next);
    printer.setcurrenty(196);                // a line of 4 units ends at the foot: it fits
    printer.printtext("f", LineEnd::stay);
    printer.setcurrenty(197);                // ... and would end at 201
    printer.printtext("e", LineEnd::stay);
    EXPECT_FALSE(printer.setlinewidth(0));
    printer.setlinewidth(3);
    printer.line(1, 2, 3, 4, {});
    printer.rectangle(0, 0, 7, 8, {});
    printer.paintpicture(2, 3, 1, 1);
    EXPECT_EQ(printer.drawn, (std::vector<std::string>{"p1 ab 50,0", "p1 c 90,0", "p1 d 0,40", "p1 f 0,1960", "p2 e 20,0",
                                                       "line 3 10,20", "box 70,80", "picture 20,30"}));

    DotPrinter silent;  // a printer that does not say its page
    silent.width = 0;
    EXPECT_FALSE(silent.setscale(100, 200));
    DotPrinter tiny;  // a page shorter than a line still takes one line a page
    tiny.setscale(100, 1);
    tiny.setfontsize(2000);
    tiny.printtext("x", LineEnd::next);
    tiny.printtext("y", LineEnd::next);
    EXPECT_EQ(tiny.drawn, (std::vector<std::string>{"p1 x 0,0", "p2 y 0,0"}));
}

} // namespace
} // namespace jex::testing
