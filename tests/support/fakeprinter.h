// SPDX-License-Identifier: GPL-3.0-or-later
// A printer for the rule tests that writes down every operation it is sent
// and can be told to refuse one of them.
#pragma once

#include "core/printjob.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace jex::testing {

struct PrintCall {
    PrintCall(std::string operation, std::vector<double> numbers = {}, std::string text = {})
        : operation(std::move(operation)), numbers(std::move(numbers)), text(std::move(text)) {}

    std::string operation;
    std::vector<double> numbers; // a colour comes last, as red, green, blue
    std::string text;
    friend bool operator==(const PrintCall&, const PrintCall&) = default;

    // A shape's call: its numbers, then its colour.
    static PrintCall shape(std::string operation, std::vector<double> numbers, Colour colour) {
        numbers.insert(numbers.end(),
                       {double(colour.red), double(colour.green), double(colour.blue)});
        return {std::move(operation), std::move(numbers), {}};
    }
};

struct FakePrinter {
    bool available = true;
    PageSize page{11520, 15840, 600}; // 8 by 11 inches printable, 600 dots an inch
    int refuse = 0;                   // the operation of that number, from 1, fails
    double charwidth = 0.5;           // page units a character takes per point
    std::vector<PrintCall> calls;

    std::unique_ptr<PrintJob> startjob();
    // The calls of one operation, in order.
    std::vector<PrintCall> only(const std::string& operation) const;
};

} // namespace jex::testing
