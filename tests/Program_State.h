#pragma once
// One reset for every test fixture: the program-wide state goes back to how a
// fresh process starts, with everything that would reach the desktop recorded
// or answered instead.

void Reset_Program_State();
