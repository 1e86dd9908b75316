// Colour distances, contrast tests, contrast-seeking adjustment, random colours, darkening and
// lightening.
#include "misc/geometry/text.h"

#include <cstdlib>

namespace {

struct Rgb {
    int k[3]; // red, green, blue
};

Rgb Split(COLORREF c) { return {{GetRValue(c), GetGValue(c), GetBValue(c)}}; }

int Clamp(long long v) { return v < 0 ? 0 : (v > 255 ? 255 : static_cast<int>(v)); }

COLORREF Join(const Rgb& c) { return RGB(Clamp(c.k[0]), Clamp(c.k[1]), Clamp(c.k[2])); }

// Weighted modes (1 and 3): push each component away from the background until the weighted
// distance is large enough.
COLORREF AdjustWeighted(Rgb c, const Rgb& bg, COLORREF background, int low)
{
    int dir[3];
    for (int k = 0; k < 3; ++k)
        dir[k] = c.k[k] > bg.k[k] ? 1 : (c.k[k] < bg.k[k] ? -1 : (bg.k[k] < 128 ? 1 : -1));
    Rgb pushed{};
    for (int k = 0; k < 3; ++k)
        pushed.k[k] = dir[k] > 0 ? 255 : 0;
    if (!isNewContrast(Join(pushed), background, low))
        for (int k = 0; k < 3; ++k)
            dir[k] = bg.k[k] < 128 ? 1 : -1;
    int largest = (c.k[0] - bg.k[0]) * dir[0];
    for (int k = 1; k < 3; ++k)
        if ((c.k[k] - bg.k[k]) * dir[k] > largest)
            largest = (c.k[k] - bg.k[k]) * dir[k];
    int s = 120 - largest;
    if (s > 5)
        s = 5;
    if (s > 0)
        for (int k = 0; k < 3; ++k)
            c.k[k] = Clamp(c.k[k] + s * dir[k]);
    // One unit at a time, red, green, blue, red, ... until it contrasts or nothing can move.
    int stuck = 0;
    for (int k = 0; !isNewContrast(Join(c), background, low) && stuck < 3; k = (k + 1) % 3) {
        if ((c.k[k] == 0 && dir[k] < 0) || (c.k[k] == 255 && dir[k] > 0)) {
            ++stuck;
            continue;
        }
        c.k[k] += dir[k];
        stuck = 0;
    }
    return Join(c);
}

// Sum modes (0 and 2): spread the missing distance over the components, up to five rounds.
COLORREF AdjustSum(Rgb c, const Rgb& bg, int low)
{
    const int target = low ? 90 : 288;
    int d = 0;
    for (int k = 0; k < 3; ++k)
        d += std::abs(c.k[k] - bg.k[k]);
    static const int kOrder[2][3] = {{0, 1, 2}, {2, 1, 0}};
    for (int round = 0; round < 5 && d < target; ++round) {
        for (int j = 0; j < 3; ++j) {
            int k = kOrder[round % 2][j];
            int step = (target - d + 2 - j) / (3 - j);
            if (step <= 0)
                continue;
            int before = std::abs(c.k[k] - bg.k[k]);
            if (c.k[k] == bg.k[k])
                c.k[k] = Clamp(bg.k[k] < 128 ? bg.k[k] + step : bg.k[k] - step);
            else if (c.k[k] > bg.k[k])
                c.k[k] = (round == 2 && c.k[k] + step >= 256 && bg.k[k] >= 128) ? bg.k[k] : Clamp(c.k[k] + step);
            else
                c.k[k] = (round == 2 && c.k[k] < step && bg.k[k] < 128) ? bg.k[k] : Clamp(c.k[k] - step);
            d += std::abs(c.k[k] - bg.k[k]) - before;
        }
    }
    return Join(c);
}

} // namespace

int getNewColorDiffernce(COLORREF a, COLORREF b)
{
    Rgb x = Split(a), y = Split(b);
    int dr = y.k[0] - x.k[0], dg = y.k[1] - x.k[1], db = y.k[2] - x.k[2];
    return 30 * dr * dr + 59 * dg * dg + 11 * db * db;
}

int isNewContrast(COLORREF a, COLORREF b, int low)
{
    return getNewColorDiffernce(b, a) >= (low ? 50000 : 1440000) ? 1 : 0;
}

int geColorDiffernce(COLORREF a, COLORREF b)
{
    Rgb x = Split(a), y = Split(b);
    return std::abs(y.k[0] - x.k[0]) + std::abs(y.k[1] - x.k[1]) + std::abs(y.k[2] - x.k[2]);
}

int isContrast(COLORREF a, COLORREF b, int low) { return geColorDiffernce(a, b) >= (low ? 90 : 288) ? 1 : 0; }

int okContrast(COLORREF c, COLORREF background, int mode)
{
    switch (mode) {
    case 1: return isNewContrast(c, background, 0);
    case 2: return isContrast(c, background, 1);
    case 3: return isNewContrast(c, background, 1);
    default: return isContrast(c, background, 0);
    }
}

COLORREF getColorContrast(COLORREF c, COLORREF background, int mode)
{
    if (okContrast(c, background, mode))
        return c;
    bool weighted = mode == 1 || mode == 3;
    int low = (mode == 2 || mode == 3) ? 1 : 0;
    Rgb color = Split(c), bg = Split(background);
    return weighted ? AdjustWeighted(color, bg, background, low) : AdjustSum(color, bg, low);
}

COLORREF getRandomColor(COLORREF background, int mode)
{
    auto random = [] {
        int r = std::rand() % 256;
        int g = std::rand() % 256;
        int b = std::rand() % 256;
        return RGB(r, g, b);
    };
    for (int i = 0; i < 256; ++i) {
        COLORREF c = random();
        if (okContrast(c, background, mode))
            return c;
    }
    return getColorContrast(random(), background, mode);
}

// Amounts outside 0..255 act as the nearest end.
int Amount(long amount) { return amount < 0 ? 0 : (amount > 255 ? 255 : static_cast<int>(amount)); }

COLORREF DarkenColor(long amount, COLORREF c)
{
    amount = Amount(amount);
    Rgb x = Split(c);
    for (int& v : x.k)
        v = Clamp(MulDiv(v, static_cast<int>(255 - amount), 255));
    return Join(x);
}

COLORREF LightenColor(long amount, COLORREF c)
{
    amount = Amount(amount);
    Rgb x = Split(c);
    for (int& v : x.k)
        v = Clamp(static_cast<long long>(v) + MulDiv(255 - v, static_cast<int>(amount), 255));
    return Join(x);
}
