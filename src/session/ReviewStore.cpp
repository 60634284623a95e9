#include "session/ReviewStore.h"

#include "session/ReviewText.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <system_error>

namespace wuzi {

namespace {

// 64-bit FNV-1a over the cells of the moves.
std::uint64_t movesHash(const GameRecord& record) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (Cell c : record.moves)
        for (int byte : {c.x, c.y}) {
            hash ^= static_cast<std::uint8_t>(byte);
            hash *= 0x100000001b3ULL;
        }
    return hash;
}

// A file that is no review is not read whole.
constexpr std::uintmax_t kLargestFile = 1 << 20;

} // namespace

std::filesystem::path ReviewStore::pathFor(const GameRecord& record) const {
    char name[40];
    std::snprintf(name, sizeof name, "review-%016llx.txt",
                  static_cast<unsigned long long>(movesHash(record)));
    return directory_ / name;
}

bool ReviewStore::save(const Review& review) const {
    std::error_code error;
    std::filesystem::create_directories(directory_, error);
    std::filesystem::path path = pathFor(review.record);
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << WriteReview(review);
        out.close();
        if (!out) {
            std::filesystem::remove(temporary, error);
            return false;
        }
    }
    std::filesystem::rename(temporary, path, error);
    if (!error) return true;
    std::filesystem::remove(temporary, error);
    return false;
}

std::optional<Review> ReviewStore::load(const GameRecord& record) const {
    std::filesystem::path path = pathFor(record);
    std::error_code error;
    std::uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > kLargestFile) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::optional<Review> review = ParseReview(text);
    if (!review || review->record != record) return std::nullopt;
    return review;
}

} // namespace wuzi
