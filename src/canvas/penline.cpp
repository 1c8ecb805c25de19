// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/penline.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace jex {
namespace {

// The x values of row centre `cy` for which |a x + b| < reach: an open
// interval, narrowed into [low, high).
void narrow(double a, double b, double reach, double& low, double& high) {
    if (a == 0) {
        if (!(std::abs(b) < reach)) high = low;
        return;
    }
    double from = (-reach - b) / a;
    double to = (reach - b) / a;
    if (from > to) std::swap(from, to);
    low = std::max(low, from);
    high = std::min(high, to);
}

} // namespace

void penspans(int x1, int y1, int x2, int y2, double density, std::vector<PenSpan>& spans) {
    spans.clear();
    const double half = penwidth * density / 2;
    const double ax = x1 * density, ay = y1 * density;
    const double bx = x2 * density, by = y2 * density;
    const double dx = bx - ax, dy = by - ay;
    const double length = std::hypot(dx, dy);
    // Along the line and across it; a point is a square in the screen's axes.
    const double ux = length > 0 ? dx / length : 1, uy = length > 0 ? dy / length : 0;
    const double mx = (ax + bx) / 2, my = (ay + by) / 2;
    const double along = length / 2 + half;
    const double reach = std::abs(dx) / 2 + std::abs(dy) / 2 + 2 * half;
    const int top = static_cast<int>(std::floor(my - reach));
    const int bottom = static_cast<int>(std::ceil(my + reach));
    for (int y = top; y <= bottom; ++y) {
        const double cy = y + 0.5 - my;
        double low = -std::numeric_limits<double>::infinity();
        double high = std::numeric_limits<double>::infinity();
        // Centres relative to the middle: |(cx, cy) . u| < along and
        // |(cx, cy) . n| < half, with n = (-uy, ux).
        narrow(ux, uy * cy, along, low, high);
        narrow(-uy, ux * cy, half, low, high);
        if (!(low < high)) continue;
        // Pixel x has its centre at x + 0.5 - mx, inside when in (low, high).
        const int left = static_cast<int>(std::floor(low + mx - 0.5)) + 1;
        const int right = static_cast<int>(std::ceil(high + mx - 0.5));
        if (left < right) spans.push_back({y, left, right});
    }
}

} // namespace jex
