#pragma once

#include "opponents/ChainSteps.h"

namespace wuzi {

// The chains of move routines of the rule-based opponents, each in its fixed order.
const Chain& CorbiePlayerFirst();
const Chain& CorbieComputerFirst();
const Chain& QuillonPlayerFirst();   // once its books have handed over
const Chain& QuillonComputerFirst(); // after its book
const Chain& MarrowickPlayerFirst();
const Chain& MarrowickComputerFirst();
const Chain& CorvaneEitherSide(); // the Marrowick routines steered onto the lattice

} // namespace wuzi
