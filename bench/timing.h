#pragma once
// Wall-clock timing for the benches that time whole window operations.

#include <QElapsedTimer>

#include <algorithm>
#include <functional>
#include <vector>

namespace trovanta::bench {

inline double ms(const std::function<void()> &f)
{
    QElapsedTimer t;
    t.start();
    f();
    return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

inline double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace trovanta::bench
