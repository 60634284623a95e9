#pragma once

#include <span>
#include <string>
#include <string_view>

namespace wuzi {

// A companion HTML page, shipped beside the program, and the button that opens it.
struct PageEntry {
    const char* button;  // "Command26" .. "Command32"
    const char* caption; // the page viewer's window caption
    const char* file;    // file name in the program's directory
};

std::span<const PageEntry> PageTable();

// The page a button opens, or nullptr when the button opens no page.
const PageEntry* FindPage(std::string_view button);

// The file in the program's directory, with exactly one separator between the two:
// "/opt/wuzi" and "/opt/wuzi/" both give "/opt/wuzi/huayue.htm", "/" gives "/huayue.htm".
std::string PagePath(std::string_view programDir, std::string_view file);

// The way from an installed program to the data directory that holds its pages, as the
// build installs them ("../share/wuzi").
extern const char* const kInstalledPagesFromProgram;

// Where a page is read: the program's own directory when the file is there (the build
// tree, or a copy of the program beside its pages); else the installed data directory
// reached from it; when neither has the file, the program's directory, so that a
// missing page is reported where it belongs.
std::string LocatePage(std::string_view programDir, std::string_view file,
                       std::string_view installedFromProgram = kInstalledPagesFromProgram);

} // namespace wuzi
