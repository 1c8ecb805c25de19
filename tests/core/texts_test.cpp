// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/textids.h"
#include "core/texts.h"

#include <gtest/gtest.h>

namespace jex {
namespace {

TEST(Texts, KeepTheirSpacesAndPunctuationExactly) {
    EXPECT_EQ(text(textid::writtenby), " written by ");
    EXPECT_EQ(text(textid::filefilter), "JEX files |*.jex|");
    EXPECT_EQ(text(textid::notsavedcontinue),
              "You haven't saved your program. Do you want to continue?");
}

TEST(Texts, EveryNamedNumberHasAText) {
    // clang-format off
    const int used[] = {
        textid::programtitle, textid::keypadtitle, textid::toolstitle, textid::drawingtitle,
        textid::exitcaption, textid::xvalue, textid::yvalue, textid::heading, textid::speed,
        textid::pen, textid::centre, textid::clear, textid::target, textid::programname,
        textid::me, textid::change, textid::use, textid::load, textid::print, textid::save,
        textid::endchange, textid::myname, textid::myprogram, textid::functionone,
        textid::functiontwo, textid::cancel, textid::exitanyway, textid::on, textid::off,
        textid::xequals, textid::yequals, textid::forward, textid::backward, textid::left,
        textid::right, textid::pause, textid::note, textid::repeat, textid::flash, textid::end,
        textid::programfull, textid::toomanyrepeats, textid::nomatchingrepeat,
        textid::expectingnumber, textid::expectingcommand, textid::cantusehere, textid::toolong,
        textid::nomatchingend, textid::nothingtorubout, textid::running, textid::stopped,
        textid::finished, textid::crashed, textid::parked, textid::missed, textid::cantopenfile,
        textid::notsaved, textid::notsavedcontinue, textid::filefilter, textid::cancelled,
        textid::writtenby, textid::datepattern, textid::printfinished, textid::printererror};
    // clang-format on
    for (int number : used) EXPECT_FALSE(text(number).empty()) << number;
}

TEST(Texts, UnknownNumberGivesNothing) {
    EXPECT_EQ(text(106), "");
    EXPECT_EQ(text(-1), "");
}

} // namespace
} // namespace jex
