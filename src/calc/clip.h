#pragma once
// Cutting a straight line to a box (Liang-Barsky), so that far-off values
// never reach a painter: the plots and the printed charts share it.

#include <algorithm>

namespace trovanta::geom {

// Cuts the line from (x1, y1) to (x2, y2) to [left, right] x [low, high];
// false when nothing of it lies inside (the ends are then untouched).
template <typename T> bool clipLine(T &x1, T &y1, T &x2, T &y2, T left, T low, T right, T high)
{
    const T dx = x2 - x1, dy = y2 - y1;
    T t0 = 0, t1 = 1;
    const T p[4] = {-dx, dx, -dy, dy};
    const T q[4] = {x1 - left, right - x1, y1 - low, high - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0)
                return false;
            continue;
        }
        const T t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return false;
    }
    const T ax = x1, ay = y1;
    x1 = ax + t0 * dx;
    y1 = ay + t0 * dy;
    x2 = ax + t1 * dx;
    y2 = ay + t1 * dy;
    return true;
}

} // namespace trovanta::geom
