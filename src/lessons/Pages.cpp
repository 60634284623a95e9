#include "lessons/Pages.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>

namespace wuzi {

namespace {

constexpr std::array kPages = {
    PageEntry{"Command26", "花月定式", "huayue.htm"},
    PageEntry{"Command27", "浦月定式", "puyue.htm"},
    PageEntry{"Command28", "Vesk十式", "10kill4.htm"},
    PageEntry{"Command29", "Vesk十式", "10kill5.htm"},
    PageEntry{"Command30", "Vesk十式", "10kill1.htm"},
    PageEntry{"Command31", "Vesk十式", "10kill2.htm"},
    PageEntry{"Command32", "Vesk十式", "10kill3.htm"},
};

bool isSeparator(char c) {
    return c == '/' || c == '\\';
}

} // namespace

std::span<const PageEntry> PageTable() {
    return kPages;
}

const PageEntry* FindPage(std::string_view button) {
    auto found = std::find_if(kPages.begin(), kPages.end(),
                              [&](const PageEntry& p) { return button == p.button; });
    return found == kPages.end() ? nullptr : &*found;
}

std::string PagePath(std::string_view programDir, std::string_view file) {
    if (programDir.empty()) return std::string(file);
    // A directory may end in a separator (the root of a drive); it keeps just one.
    std::size_t end = programDir.size();
    while (end > 1 && isSeparator(programDir[end - 1]) && isSeparator(programDir[end - 2]))
        --end;
    std::string path(programDir.substr(0, end));
    if (!isSeparator(path.back())) path += '/';
    path += file;
    return path;
}

// Set by the build from its install directories.
const char* const kInstalledPagesFromProgram = WUZI_PAGES_FROM_PROGRAM;

std::string LocatePage(std::string_view programDir, std::string_view file,
                       std::string_view installedFromProgram) {
    auto isFile = [](const std::string& path) {
        std::error_code error;
        return std::filesystem::is_regular_file(path, error);
    };
    std::string beside = PagePath(programDir, file);
    if (isFile(beside) || installedFromProgram.empty()) return beside;
    std::string installed = PagePath(PagePath(programDir, installedFromProgram), file);
    return isFile(installed) ? installed : beside;
}

} // namespace wuzi
