#include "Signature.h"

#include <map>

namespace wuzi::bench {

namespace {

// By searcher's name, so that the order of start-up does not matter.
std::map<std::string, SignaturePart>& parts() {
    static std::map<std::string, SignaturePart> registered;
    return registered;
}

std::uint64_t mixed(std::uint64_t hash, const std::string& text) {
    for (unsigned char c : text)
        hash = (hash ^ c) * 0x100000001B3ULL; // FNV-1a
    return hash;
}

} // namespace

bool AddSignaturePart(const char* searcher, SignaturePart part) {
    parts()[searcher] = part;
    return true;
}

std::uint64_t Signature() {
    std::uint64_t hash = 0xCBF29CE484222325ULL;
    for (const auto& [searcher, part] : parts())
        for (const SignedSearch& s : part())
            hash = mixed(hash, searcher + "/" + s.name + " " + std::to_string(s.move) + " " +
                                   std::to_string(s.nodes) + "\n");
    return hash;
}

} // namespace wuzi::bench
