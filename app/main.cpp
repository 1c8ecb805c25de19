// SPDX-License-Identifier: GPL-3.0-or-later
#include "qt/simulator.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    // Wayland does not let a program place its own windows; through XWayland
    // the four windows can still tile the screen.
    if (qEnvironmentVariableIsSet("WAYLAND_DISPLAY") &&
        !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");

    QApplication application(argc, argv);
    jex::qt::Simulator simulator;
    simulator.start();
    return application.exec();
}
