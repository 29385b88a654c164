#pragma once
// Statistics data shared by the main window's statistics keys and StatBox.

#include <array>
#include <cstdint>

namespace StatModule {

inline constexpr int Capacity = 101;
// Read freely; written only through the procedures below.
extern std::array<double, Capacity> Stat_Values; // values in order of entry
extern std::int16_t Stat_Count;                  // how many are held

bool Add(double value); // stores it at Stat_Count; false when the table is full
bool Remove_At(int k);  // moves the values after k down; false for k not held
void Reset();           // Stat_Count 0: counting starts afresh, the table stays

double Sum();                  // Stat_Values[0..Stat_Count-1], in index order
bool Mean(double &mean);       // false with no values
bool Std_Deviation(double &s); // sample deviation (n - 1); false with fewer than two values
void Clear();                  // every stored value 0, Stat_Count 0

} // namespace StatModule
