// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/buttonswindow.h"

#include "canvas/tools.h"
#include "core/state.h"
#include "entry/keypad.h"
#include "run/keypadkeys.h"
#include "entry/keys.h"
#include "entry/timerwaits.h"

namespace jex::qt {
namespace {

QString faceresource(int bitmap, Key key) {
    return QStringLiteral(":/keys/%1-%2.svg")
        .arg(bitmap)
        .arg(QString::fromLatin1(keyname(key).data(), static_cast<qsizetype>(keyname(key).size())));
}

} // namespace

buttonswindow::buttonswindow(JexState& jex, QtPlatform& platform)
    : ModelWindow(jex, platform, jex.windows.buttons, Units::pixels) {
    for (int index = 0; index < keycount; ++index) {
        const Key which = static_cast<Key>(index);
        auto& button = keys_[static_cast<std::size_t>(index)];
        button = std::make_unique<KeyButton>(this);
        bind(*button, jex.windows.buttons.key(which), keyname(which).data());
        QObject::connect(button.get(), &QAbstractButton::clicked, this, [this, which] {
            forward([which](JexState& state) { keypad_Click(state, which); });
        });
    }
    // The tick only counts down what a wait is watching; the wait itself
    // shows whatever changes.
    Timer1_.setObjectName(QStringLiteral("Timer1"));
    Timer1_.setInterval(tickmilliseconds);
    QObject::connect(&Timer1_, &QTimer::timeout, this, [this] { Timer1_Timer(jex_); });
    Timer1_.start();
}

void buttonswindow::whereami() {
    forward(jex::whereami);
}

void buttonswindow::syncextras(const ScreenInfo&) {
    for (int index = 0; index < keycount; ++index) {
        const Key which = static_cast<Key>(index);
        const int bitmap = jex_.windows.buttons.key(which).bitmap;
        int& shown = faces_[static_cast<std::size_t>(index)];
        if (bitmap == shown) continue;
        key(which).setface(bitmap == 0 ? QString() : faceresource(bitmap, which));
        shown = bitmap;
    }
}

} // namespace jex::qt
