#include "calc/sprockets.h"

#include "calc/chain.h"
#include "calc/error.h"
#include "calc/fparith.h"
#include "calc/numtext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <numeric>

namespace trovanta::sprockets {

namespace {

// num::formatFixed writes out some 40 digits of a value before it rounds,
// which costs microseconds; a listing formats tens of thousands of values.
// Away from a rounding edge the shown value follows from one multiplication;
// at an edge (an exact half, a power of ten, the exponent form) the full
// expansion decides as before.
constexpr int Precision = 5;
constexpr double Pow10[] = {1, 10, 100, 1000, 10000, 100000};

struct Fixed {
    std::int64_t units; // the shown value times 10^places
    int places;         // decimals that carry digits; the rest of the text are zeros
};

std::optional<Fixed> quickFixed(long double v, int decimals)
{
    // Double precision is ample: below 10^5 the product is off by 10^-11 at
    // most, far inside the margin kept from a half.
    const double a = std::fabs(static_cast<double>(v));
    if (!(a < 99999.0)) // also NaN
        return std::nullopt;
    int digits = 0; // before the separator
    while (digits < Precision && a >= Pow10[digits])
        ++digits;
    // Within reach of the expansion's 18 digits rounding up to the power of ten.
    if (a >= Pow10[digits] * (1 - 1e-12))
        return std::nullopt;
    const int places = std::min(decimals, Precision - digits);
    const double y = a * Pow10[places];
    const double whole = std::floor(y);
    const double frac = y - whole;
    if (std::fabs(frac - 0.5) < 1e-9)
        return std::nullopt;
    const auto units = static_cast<std::int64_t>(whole) + (frac > 0.5 ? 1 : 0);
    return Fixed{v < 0 ? -units : units, places};
}

// A short text put together in place: the cells of a listing are many.
class Text {
public:
    Text &operator<<(char c)
    {
        if (n_ < sizeof buf_)
            buf_[n_++] = c;
        return *this;
    }
    Text &operator<<(std::int64_t v)
    {
        n_ = static_cast<std::size_t>(std::to_chars(buf_ + n_, buf_ + sizeof buf_, v).ptr - buf_);
        return *this;
    }
    Text &operator<<(const std::string &s)
    {
        for (char c : s)
            *this << c;
        return *this;
    }
    Text &zeros(int count)
    {
        for (int i = 0; i < count; ++i)
            *this << '0';
        return *this;
    }
    void into(Cell &cell, std::optional<double> key) const
    {
        cell.text.clear();
        cell.text.append(buf_, n_);
        cell.key = key;
    }

private:
    char buf_[32];
    std::size_t n_ = 0;
};

// num::formatFixed into `t`, with a "+" in front of a value above zero when
// `sign` is set; returns the value the text reads back as.
double shown(Text &t, long double v, int decimals, char sep, bool sign = false)
{
    const auto f = quickFixed(v, decimals);
    if (!f) {
        // The separator is all that differs between locales.
        std::string text = num::formatFixed(v, decimals, '.');
        const double value = num::parseDecimal(text, '.');
        std::replace(text.begin(), text.end(), '.', sep);
        t << (sign ? num::withSign(text) : text);
        return value;
    }
    const auto scale = static_cast<std::int64_t>(Pow10[f->places]);
    const std::int64_t units = f->units < 0 ? -f->units : f->units;
    if (f->units < 0)
        t << '-';
    else if (sign && f->units > 0)
        t << '+';
    t << units / scale;
    if (decimals > 0)
        t << sep;
    if (f->places > 0) {
        const std::int64_t frac = units % scale;
        int width = 1;
        while (width < f->places && frac >= static_cast<std::int64_t>(Pow10[width]))
            ++width;
        t.zeros(f->places - width) << frac;
    }
    t.zeros(decimals - f->places);
    // One correctly rounded division, as reading the text gives.
    return static_cast<double>(f->units) / Pow10[f->places];
}

// gearing::asShown, quicker.
double asShown(long double ratio)
{
    Text t;
    return shown(t, ratio, 3, '.');
}

void dash(Cell &c)
{
    c.text = num::NoValue;
    c.key.reset();
}

void whole(Cell &c, std::optional<std::int64_t> v)
{
    if (!v)
        return dash(c);
    (Text() << *v).into(c, static_cast<double>(*v));
}

void withSign(Cell &c, std::optional<double> v, int decimals, char sep)
{
    if (!v)
        return dash(c);
    Text t;
    const double key = shown(t, *v, decimals, sep, true);
    t.into(c, key);
}

// "7/14": 7 of the 14 teeth meet one link.
void wear(Cell &c, std::int64_t met, std::int32_t teeth)
{
    (Text() << met << '/' << std::int64_t(teeth)).into(c, static_cast<double>(met) / teeth);
}

// Axle move in mm from the present distance d0 to d, in the order the chain
// calculator works it out, so that both show the same millimetres.
double moveMm(double d, double d0, double linkLength)
{
    const double cm = static_cast<double>(fp::checked((d - d0) * linkLength));
    return static_cast<double>(fp::checked(10 * cm));
}

struct Bounds {
    std::int32_t low, high;
    std::int64_t count() const { return std::int64_t(high) - low + 1; }
};

Bounds bounds(const Range &r) { return {std::min(r.from, r.to), std::max(r.from, r.to)}; }

std::optional<Refusal> badInput(const Input &in, const Bounds &f, const Bounds &r)
{
    auto holdsZero = [](const Bounds &b) { return b.low <= 0 && b.high >= 0; };
    if (in.front == 0 || in.rear == 0 || in.links == 0 || in.linkLength == 0 || holdsZero(f) ||
        holdsZero(r))
        return Refusal::ZeroValue;
    // Negative teeth are no sprocket, and a chain has no negative links.
    if (in.front < 0 || in.rear < 0 || in.links < 0 || in.linkLength < 0 || f.low < 0 || r.low < 0)
        return Refusal::NegativeValue;
    if (f.count() > MaxPairs || r.count() > MaxPairs || f.count() * r.count() > MaxPairs)
        return Refusal::TooManyPairs;
    return std::nullopt;
}

template <class F> auto attempt(F &&f) -> std::optional<decltype(f())>
{
    try {
        return f();
    } catch (const Error &) {
        return std::nullopt;
    }
}

constexpr double TwoPi = 2 * 3.14159265358979323846; // as the chain calculator has it

double radius(std::int32_t teeth) { return teeth / TwoPi; }

// A pair whose change lies on the target's edge in decimal lands a hair
// either side of it in binary; it belongs to the listing.
constexpr double EdgeSlack = 1e-9;

constexpr double Pi = 3.14159265358979323846;

// Whether chain::Abstand surely fails for n links, spared its up to 1000
// passes. It returns only where T >= 0 and
//   n = T + DeltaL(d) + π(R + r) + 2e·asin(e/d),
// T/2 being the straight run t at its last estimate, within 10⁻⁷ of d. So n
// is at least the least of
//   length(d) = 2t + DeltaL(d) + π(R + r) + 2e·asin(e/d),
// less what that last step can take off: 2|e|·acos(|e|/(|e| + 10⁻⁷)), at
// most 2|e|·π·sqrt(δ/2) with δ = 10⁻⁷/(|e| + 10⁻⁷), and 10⁻⁷ off DeltaL.
// 2t + 2|e|·asin(|e|/d) grows from π|e| at d = |e|, so the least is at least
// π(R + r) + π|e|; the slope of length, 2t/d + d/sqrt(d² + sag²) - 1, grows
// with d, so the least is where the slope turns positive, between |e| and
// 2|e|, and no more than length(|e|).
bool abstandSurelyFails(double r, double R, double n, double sag)
{
    const double e = std::fabs(R - r);
    if (e == 0)
        return true; // its first estimate is 0/0
    const double s2 = sag * sag;
    const double wrapped = Pi * (R + r) + Pi * e;
    if (!(n < wrapped + std::sqrt(e * e + s2) - e))
        return false;
    const double lastStep = 2 * e * Pi * std::sqrt(0.5e-7 / (e + 1e-7)) + 1e-7;
    auto below = [&](double least) { return n < least - lastStep - 1e-9 * (std::fabs(least) + std::fabs(n)); };
    if (below(wrapped))
        return true;
    auto slope = [&](double d) { return 2 * std::sqrt(d * d - e * e) / d + d / std::sqrt(d * d + s2) - 1; };
    double lo = e, hi = 2 * e;
    for (int i = 0; i < 60 && slope(hi) > 0 && slope(lo) <= 0; ++i) {
        const double mid = (lo + hi) / 2;
        (slope(mid) > 0 ? hi : lo) = mid;
    }
    // A convex length lies above its tangent at lo: no less than this on [lo, hi].
    const double t = std::sqrt(lo * lo - e * e);
    const double length = 2 * t + (std::sqrt(lo * lo + s2) - lo) + wrapped - Pi * e + 2 * e * std::asin(e / lo);
    return below(length + std::min(0.0, slope(lo)) * (hi - lo));
}

// Whether chain::Abstand for n links, should it succeed at all, lands more
// than `reach` link lengths from d0, on the side of the longer chain
// (`above`) or of the shorter. Abstand settles where n equals the length its
// iteration balances, 2t + DeltaL(d) + π(R + r) + 2e·asin(e/d), to within
// 4·10⁻⁷·d/t link lengths. Where that length rises all across d0 ± reach and
// stays clear of n by far more, no settling point lies within reach. False
// where it cannot tell.
bool settlesBeyond(double r, double R, double n, double d0, double reach, double sag, bool above)
{
    const double e = R - r;
    const double widened = reach * (1 + 1e-9) + 1e-6; // Abstand's last step and the rounding of a move
    const double lo = d0 - widened, hi = d0 + widened;
    if (!(lo > std::fabs(e)))
        return false;
    const double tLo = std::sqrt(lo * lo - e * e);
    if (!(tLo > 0.01 * lo))
        return false;
    // The slope 2t/d + d/sqrt(d² + sag²) - 1 grows with d: positive at lo,
    // positive throughout.
    if (!(2 * tLo / lo + lo / std::sqrt(lo * lo + sag * sag) - 1 > 0))
        return false;
    auto balanced = [&](double d) {
        const double t = std::sqrt(d * d - e * e);
        return 2 * t + (std::sqrt(d * d + sag * sag) - d) + Pi * (R + r) + 2 * e * std::asin(e / d);
    };
    constexpr double Clear = 1e-4; // link lengths, against the 4·10⁻⁵ of t > d/100
    return above ? n > balanced(hi) + Clear : balanced(lo) > n + Clear;
}

// One pair's numbers, before its texts.
struct Pair {
    std::int32_t front = 0, rear = 0;
    double finalDrive = 0, shown = 0;
    Text ratio; // the final drive as shown
    std::optional<double> change;
    std::optional<std::int32_t> vmax;
    std::optional<double> presentMove;
    bool fits = false;
    std::optional<std::int64_t> links;
    std::optional<double> move;
};

// A pair's place in the default order, in a few numbers.
struct OrderKey {
    double offTarget; // |Change - target|, infinite without a change
    bool fits;
    double move; // |Move|, infinite without one
    std::int32_t front, rear;
    std::size_t index;

    bool operator<(const OrderKey &o) const
    {
        if (offTarget != o.offTarget)
            return offTarget < o.offTarget;
        if (fits != o.fits)
            return fits;
        if (move != o.move)
            return move < o.move;
        if (front != o.front)
            return front < o.front;
        return rear < o.rear;
    }
};

OrderKey orderKey(const Pair &pair, double target, std::size_t index)
{
    constexpr double none = std::numeric_limits<double>::infinity();
    return {pair.change ? std::fabs(*pair.change - target) : none,
            pair.fits,
            pair.move ? std::fabs(*pair.move) : none,
            pair.front,
            pair.rear,
            index};
}

// What every pair shares.
struct Common {
    const Input &in;
    char sep;
    double target = 0, tolerance = 0;
    std::optional<double> d0{};           // present axle distance
    std::optional<double> presentShown{}; // present final drive as shown
    std::optional<gearing::Derived> speeds{};
};

// Everything but the texts; nothing for a pair outside the target.
std::optional<Pair> compute(Common &k, std::int32_t front, std::int32_t rear)
{
    const Input &in = k.in;
    Pair pair;
    pair.front = front;
    pair.rear = rear;
    pair.finalDrive = gearing::finalDrive(front, rear);
    pair.shown = shown(pair.ratio, pair.finalDrive, 3, k.sep);
    if (k.presentShown)
        pair.change = attempt([&] {
            return static_cast<double>(fp::mul(fp::sub(fp::div(pair.shown, *k.presentShown), 1), 100));
        });
    if (in.target && !(pair.change && std::fabs(*pair.change - k.target) <= k.tolerance + EdgeSlack))
        return std::nullopt;

    if (k.speeds)
        pair.vmax = attempt([&] {
            const gearing::GearSet &g = in.gearSet;
            k.speeds->finalDrive = pair.finalDrive;
            k.speeds->ratio[5] = asShown(gearing::overallRatio(g.gears[5], g.primary, pair.finalDrive));
            return k.speeds->vmax(6);
        });

    if (!k.d0)
        return pair;
    const double d0 = *k.d0, sag = in.sag, p = in.linkLength;
    const double r = radius(front), R = radius(rear);
    auto moveOf = [&](double n) -> std::optional<double> {
        if (abstandSurelyFails(r, R, n, sag))
            return std::nullopt;
        return attempt([&] { return moveMm(chain::Abstand(r, R, n, sag), d0, p); });
    };
    pair.presentMove = moveOf(in.links);
    pair.fits = pair.presentMove && -in.travelForward <= *pair.presentMove &&
                *pair.presentMove <= in.travelBackward;

    // The even counts either side of the length the pair needs at the
    // present distance; the nearer axle wins, the shorter chain on a tie.
    const auto needed = attempt([&] { return chain::Laenge(r, R, d0, sag); });
    const auto base = needed ? attempt([&] { return fp::trunc(*needed / 2) * 2; }) : std::nullopt;
    if (!base)
        return pair;
    auto moveWith = [&](std::int64_t n) -> std::optional<double> {
        if (n == in.links)
            return pair.presentMove;
        return moveOf(static_cast<double>(n));
    };
    // The likelier one first; the other needs its own Abstand only when it
    // might come nearer.
    const bool lowerFirst = *needed - static_cast<double>(*base) <= 1;
    const std::int64_t first = lowerFirst ? *base : *base + 2, second = lowerFirst ? *base + 2 : *base;
    const auto firstMove = moveWith(first);
    if (firstMove && settlesBeyond(r, R, static_cast<double>(second), d0, std::fabs(*firstMove) / (10 * p), sag,
                                   second > first)) {
        pair.move = firstMove;
        pair.links = first;
        return pair;
    }
    const auto secondMove = moveWith(second);
    for (const std::int64_t n : {*base, *base + 2}) {
        const auto &m = n == first ? firstMove : secondMove;
        if (m && (!pair.move || std::fabs(*m) < std::fabs(*pair.move))) {
            pair.move = m;
            pair.links = n;
        }
    }
    return pair;
}

void fill(Row &row, const Pair &pair, const Input &in, char sep)
{
    row.front = pair.front;
    row.rear = pair.rear;
    row.present = pair.front == in.front && pair.rear == in.rear;
    row.fits = pair.fits;
    row.change = pair.change;
    row.presentMove = pair.presentMove;
    row.links = pair.links;
    row.move = pair.move;

    auto &c = row.cells;
    whole(c[FrontTeeth], pair.front);
    whole(c[RearTeeth], pair.rear);
    pair.ratio.into(c[FinalDrive], pair.shown);
    withSign(c[Change], pair.change, 2, sep);
    whole(c[Vmax6], pair.vmax);
    withSign(c[PresentMove], pair.presentMove, 0, sep);
    // A word, not a number: the window writes it.
    c[Fits].text.clear();
    c[Fits].key = pair.fits ? 1 : 0;
    whole(c[Links], pair.links);
    withSign(c[Move], pair.move, 0, sep);

    // How many different teeth of each sprocket one link meets.
    const std::optional<std::int64_t> links = pair.fits ? std::int64_t(in.links) : pair.links;
    if (!links) {
        dash(c[FrontWear]);
        dash(c[RearWear]);
        return;
    }
    const std::int64_t front = pair.front / std::gcd(*links, std::int64_t(pair.front));
    const std::int64_t rear = pair.rear / std::gcd(*links, std::int64_t(pair.rear));
    wear(c[FrontWear], front, pair.front);
    wear(c[RearWear], rear, pair.rear);
    row.huntingTooth = front == pair.front && rear == pair.rear;
}

// Moves the rows into the given order of their present places.
void arrange(std::vector<Row> &rows, const std::vector<std::size_t> &order)
{
    std::vector<Row> sorted;
    sorted.reserve(rows.size());
    for (const std::size_t i : order)
        sorted.push_back(std::move(rows[i]));
    rows = std::move(sorted);
}

} // namespace

Listing list(const Input &in, char sep)
{
    Listing out;
    const Bounds fronts = bounds(in.fronts), rears = bounds(in.rears);
    if (const auto bad = badInput(in, fronts, rears)) {
        out.error = *bad;
        return out;
    }

    Common k{in, sep};
    k.target = in.target ? in.target->change : 0;
    k.tolerance = in.target ? std::fabs(in.target->tolerance) : 0;
    k.d0 = attempt([&] { return chain::Abstand(radius(in.front), radius(in.rear), in.links, in.sag); });
    k.presentShown = attempt([&] { return asShown(gearing::finalDrive(in.front, in.rear)); });
    // What Vmax in sixth takes from the main window, once; each pair puts
    // its own ratio in.
    k.speeds = attempt([&] {
        gearing::Derived d;
        d.circumference = gearing::circumference(in.gearSet);
        d.factor[5] = gearing::slipFactor(in.gearSet, 6);
        d.redZone = in.gearSet.redZone;
        d.shiftMark = in.gearSet.shiftMark;
        return d;
    });

    std::vector<Pair> pairs;
    pairs.reserve(static_cast<std::size_t>(fronts.count() * rears.count()));
    for (std::int64_t front = fronts.low; front <= fronts.high; ++front)
        for (std::int64_t rear = rears.low; rear <= rears.high; ++rear)
            if (auto pair = compute(k, static_cast<std::int32_t>(front), static_cast<std::int32_t>(rear)))
                pairs.push_back(*pair);

    std::vector<OrderKey> keys;
    keys.reserve(pairs.size());
    for (std::size_t i = 0; i < pairs.size(); ++i)
        keys.push_back(orderKey(pairs[i], k.target, i));
    std::sort(keys.begin(), keys.end());

    out.rows.reserve(keys.size());
    for (const OrderKey &key : keys) {
        Row &row = out.rows.emplace_back();
        fill(row, pairs[key.index], in, sep);
        row.rank = static_cast<int>(out.rows.size() - 1);
    }
    return out;
}

void sortBy(std::vector<Row> &rows, Column column, Order order)
{
    std::vector<std::size_t> at(rows.size());
    std::iota(at.begin(), at.end(), std::size_t(0));
    std::stable_sort(at.begin(), at.end(), [&](std::size_t a, std::size_t b) {
        const auto &ka = rows[a].cells[column].key, &kb = rows[b].cells[column].key;
        if (!ka || !kb)
            return ka.has_value() && !kb.has_value();
        return order == Order::Ascending ? *ka < *kb : *kb < *ka;
    });
    arrange(rows, at);
}

void sortDefault(std::vector<Row> &rows)
{
    std::vector<std::size_t> at(rows.size());
    std::iota(at.begin(), at.end(), std::size_t(0));
    std::stable_sort(at.begin(), at.end(), [&](std::size_t a, std::size_t b) { return rows[a].rank < rows[b].rank; });
    arrange(rows, at);
}

} // namespace trovanta::sprockets
