// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeprinter.h"

namespace jex::testing {
namespace {

class RecordingPrintJob final : public PrintJob {
  public:
    explicit RecordingPrintJob(FakePrinter& printer) : printer_(printer) {}

    std::optional<PageSize> pagesize() override {
        if (!take({"pagesize"})) return std::nullopt;
        return printer_.page;
    }
    bool settitle(std::string_view title) override {
        return take({"settitle", {}, std::string(title)});
    }
    bool setscale(double width, double height) override {
        return take({"setscale", {width, height}});
    }
    bool setcurrentx(double x) override { return take({"setcurrentx", {x}}); }
    bool setcurrenty(double y) override { return take({"setcurrenty", {y}}); }
    bool setfontsize(double points) override {
        fontsize_ = points;
        return take({"setfontsize", {points}});
    }
    std::optional<double> textwidth(std::string_view text) override {
        if (!take({"textwidth", {}, std::string(text)})) return std::nullopt;
        return printer_.charwidth * fontsize_ * static_cast<double>(text.size());
    }
    bool printtext(std::string_view text, LineEnd end) override {
        return take({end == LineEnd::next ? "printline" : "print", {}, std::string(text)});
    }
    bool newline() override { return take({"newline"}); }
    bool setlinewidth(int dots) override { return take({"setlinewidth", {double(dots)}}); }
    bool line(double x1, double y1, double x2, double y2, Colour colour) override {
        return take(PrintCall::shape("line", {x1, y1, x2, y2}, colour));
    }
    bool rectangle(double left, double top, double width, double height, Colour colour) override {
        return take(PrintCall::shape("rectangle", {left, top, width, height}, colour));
    }
    bool paintpicture(double left, double top, double width, double height) override {
        return take({"paintpicture", {left, top, width, height}});
    }
    bool enddocument() override { return take({"enddocument"}); }
    void abandon() override { printer_.calls.push_back({"abandon"}); }

  private:
    bool take(PrintCall call) {
        printer_.calls.push_back(std::move(call));
        return static_cast<int>(printer_.calls.size()) != printer_.refuse;
    }

    FakePrinter& printer_;
    double fontsize_ = 0;
};

} // namespace

std::unique_ptr<PrintJob> FakePrinter::startjob() {
    if (!available) return nullptr;
    return std::make_unique<RecordingPrintJob>(*this);
}

std::vector<PrintCall> FakePrinter::only(const std::string& operation) const {
    std::vector<PrintCall> found;
    for (const PrintCall& call : calls)
        if (call.operation == operation) found.push_back(call);
    return found;
}

} // namespace jex::testing
