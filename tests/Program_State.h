#pragma once
// One reset for every test fixture: the program-wide state goes back to how a
// fresh process starts, with everything that would reach the desktop recorded
// or answered instead.

// With Boxes, the engine's warnings go to the program's warning boxes (which
// are recorded), as in the running program; otherwise nothing receives them.
enum class Engine_Warnings { None, Boxes };
void Reset_Program_State(Engine_Warnings warnings = Engine_Warnings::None);
