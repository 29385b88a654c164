#include "ui/main/StatModule.h"

#include <algorithm>
#include <cmath>

namespace StatModule {

std::array<double, Capacity> Stat_Values{};
std::int16_t Stat_Count = 0;

bool Add(double value) {
    if (Stat_Count >= Capacity) return false;
    Stat_Values[Stat_Count] = value;
    ++Stat_Count;
    return true;
}

bool Remove_At(int k) {
    if (k < 0 || k >= Stat_Count) return false;
    --Stat_Count;
    for (int i = k; i < Stat_Count; ++i) Stat_Values[i] = Stat_Values[i + 1];
    // the freed place holds no value
    Stat_Values[Stat_Count] = 0;
    return true;
}

void Reset() {
    Stat_Count = 0;
}

double Sum() {
    double s = 0;
    for (int i = 0; i < Stat_Count; ++i) s += Stat_Values[i];
    return s;
}

bool Mean(double &mean) {
    if (Stat_Count <= 0) return false;
    mean = Sum() / Stat_Count;
    return true;
}

bool Std_Deviation(double &s) {
    // one value would divide 0 by 0: no deviation is reported
    if (Stat_Count < 2) return false;
    const double m = Sum() / Stat_Count;
    double q = 0;
    for (int i = 0; i < Stat_Count; ++i) {
        const double d = Stat_Values[i] - m;
        q += d * d;
    }
    if (!std::isfinite(q)) {
        // the squares overflowed although the deviation itself may be finite:
        // sum them again relative to the largest distance from the mean
        double scale = 0;
        for (int i = 0; i < Stat_Count; ++i) scale = std::max(scale, std::fabs(Stat_Values[i] - m));
        q = 0;
        for (int i = 0; i < Stat_Count; ++i) {
            const double d = (Stat_Values[i] - m) / scale;
            q += d * d;
        }
        s = scale * std::sqrt(q / (Stat_Count - 1));
        return std::isfinite(s);
    }
    s = std::sqrt(q / (Stat_Count - 1));
    return true;
}

void Clear() {
    Stat_Values.fill(0);
    Stat_Count = 0;
}

} // namespace StatModule
