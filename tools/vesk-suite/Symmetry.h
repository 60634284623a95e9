#pragma once

#include "LineGrid.h"

#include <string>

// The same position turned or mirrored is the same puzzle: a key shared by the board's
// eight symmetries, the least of their row-by-row pictures.
std::string symmetryKey(const LineGrid& grid);
