#pragma once

#include <optional>
#include <ostream>

namespace wuzi {

// `wuzi --analyse FILE.psq [--ms N] [--json]`: reviews a game record without a window
// and prints every move (its number, cell, black's chance before and after, Vesk's move
// and the mark) and each side's accuracy, as text or as JSON. Nothing when the arguments
// ask for no analysis (the window starts); else the program's exit status.
std::optional<int> RunAnalyseCommand(int argc, char* argv[], std::ostream& out, std::ostream& err);

} // namespace wuzi
