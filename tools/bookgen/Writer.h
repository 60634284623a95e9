#pragma once

#include "playbooks/Book.h"

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace bookgen {

using GrownRows = std::map<const wuzi::book::Tree*, std::vector<wuzi::book::Row>>;

// Writes the grown rows of every tree as the source file GrownTrees.cpp, headed by the
// commands that regenerate it.
void writeTrees(std::ostream& out, const std::vector<const wuzi::book::Book*>& books,
                const GrownRows& grown, const std::vector<std::string>& commands);

} // namespace bookgen
