// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/looks.h"

#include "core/texts.h"

namespace jex::qt {
namespace {

QString css(const Colour& colour) {
    return QStringLiteral("rgb(%1, %2, %3)").arg(colour.red).arg(colour.green).arg(colour.blue);
}

QString css(const QColor& colour) {
    return colour.name();
}

} // namespace

QFont qfont(const Font& font) {
    QFont result(QString::fromLatin1(fontfamily));
    result.setPointSizeF(font.points);
    result.setBold(font.bold);
    return result;
}

QColor qcolour(const Colour& colour) {
    return QColor(colour.red, colour.green, colour.blue);
}

QString qtext(const std::string& caption) {
    QString result = QString::fromStdString(caption);
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return result;
}

QString fromtable(int number) {
    return QString::fromStdString(text(number));
}

QString labelstyle(const Control& control) {
    return QStringLiteral("QLabel { background-color: %1; color: %2; padding: 0px 2px; }")
        .arg(css(control.background), css(control.foreground));
}

QString buttonstyle(const Control& control) {
    const QColor face = qcolour(control.background);
    // A dark border keeps even a white button apart from a white background.
    return QStringLiteral("QPushButton { background-color: %1; color: %2; border: 1px solid %3;"
                          " border-radius: 4px; padding: 0px; }"
                          " QPushButton:hover { background-color: %4; }"
                          " QPushButton:pressed { background-color: %5; }")
        .arg(css(control.background), css(control.foreground), css(face.darker(250)),
             css(face.lighter(108)), css(face.darker(125)));
}

QString textboxstyle(const Control& control) {
    const QColor face = qcolour(control.background);
    return QStringLiteral("QLineEdit { background-color: %1; color: %2; border: 1px solid %3;"
                          " padding: 0px 2px; }")
        .arg(css(control.background), css(control.foreground), css(face.darker(250)));
}

QString sliderstyle(const Control& control) {
    // A thick groove and a large handle that small hands can catch.
    return QStringLiteral("QSlider { background-color: %1; }"
                          " QSlider::groove:horizontal { height: 8px; background: white;"
                          " border: 1px solid #404040; border-radius: 4px; }"
                          " QSlider::sub-page:horizontal { background: #8080ff;"
                          " border: 1px solid #404040; border-radius: 4px; }"
                          " QSlider::handle:horizontal { width: 14px; margin: -9px 0px;"
                          " background: #f0f0f0; border: 1px solid #404040; border-radius: 4px; }")
        .arg(css(control.background));
}

} // namespace jex::qt
