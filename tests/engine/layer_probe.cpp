// Compiled as part of the radix layer by the Layers test, which expects the
// second include to fail: radix/ must not reach up into the engine.
#include "radix/RadixModule.h"
#include "rounding/Rounding.h"

#include "engine/NumberText.h"
