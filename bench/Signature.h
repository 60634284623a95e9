#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The bench's signature: one number from the moves and node counts of fixed-depth
// searches (Peddrin's look-ahead, Vesk's) on the bench positions. Any change to what a
// search does changes it, so a change meant to keep the searches as they were can be
// checked, and one that changes them must say so by updating the number held by the
// tests (bench/signature.txt).
namespace wuzi::bench {

// One search of the signature.
struct SignedSearch {
    std::string name;
    int move = 0; // the chosen move, as its searcher numbers it
    long long nodes = 0;
};

// A searcher's share of the signature: its searches, in a fixed order.
using SignaturePart = std::vector<SignedSearch> (*)();

// Adds a searcher's share; returns true, so that a file can register it at start-up.
bool AddSignaturePart(const char* searcher, SignaturePart part);

std::uint64_t Signature();

} // namespace wuzi::bench
