// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/screenreadernames.h"

#include "core/textids.h"
#include "core/texts.h"

#include <QString>
#include <QWidget>

namespace jex::qt {
namespace {

enum Window { tools = 1, listingwindow = 2, drawing = 3 };

struct ScreenReaderName {
    Window window;
    const char* control;
    int words;
    int more = 0; // a second word after the first, or none
};

constexpr std::array<ScreenReaderName, 14> names = {{
    {tools, "Slider1", textid::speed},
    {tools, "penon", textid::pen, textid::on},
    {tools, "penoff", textid::pen, textid::off},
    {listingwindow, "programtext", textid::listing},
    {drawing, "progname", textid::programname},
    {drawing, "myname", textid::myname},
    {drawing, "pf1", textid::functionone},
    {drawing, "pf2", textid::functiontwo},
    {drawing, "change1", textid::change, textid::functionone},
    {drawing, "use1", textid::use, textid::functionone},
    {drawing, "change2", textid::change, textid::functiontwo},
    {drawing, "use2", textid::use, textid::functiontwo},
    {drawing, "Picture1", textid::drawingarea},
    {drawing, "target", textid::target},
}};

} // namespace

void nameforscreenreaders(const std::array<QWidget*, 4>& windows) {
    for (const ScreenReaderName& name : names) {
        auto* control =
            windows[name.window]->findChild<QWidget*>(QString::fromLatin1(name.control));
        if (!control) continue;
        std::string said = text(name.words);
        if (name.more) said += ' ' + text(name.more);
        control->setAccessibleName(QString::fromStdString(said));
    }
}

} // namespace jex::qt
