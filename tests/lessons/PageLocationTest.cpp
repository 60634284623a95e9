#include "lessons/Pages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace wuzi::test {
namespace {

namespace fs = std::filesystem;

// A scratch install tree: prefix/bin for the program, prefix/share/wuzi for its pages.
class PageLocation : public ::testing::Test {
  protected:
    void SetUp() override {
        prefix =
            fs::temp_directory_path() /
            ("wuzi-pages-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(prefix);
        fs::create_directories(prefix / "bin");
        fs::create_directories(prefix / "share" / "wuzi");
    }
    void TearDown() override { fs::remove_all(prefix); }
    static void touch(const fs::path& p) { std::ofstream(p) << "<html></html>"; }
    std::string bin() const { return (prefix / "bin").string(); }

    fs::path prefix;
};

TEST_F(PageLocation, TheProgramsOwnDirectoryComesFirst) {
    touch(prefix / "bin" / "huayue.htm");
    touch(prefix / "share" / "wuzi" / "huayue.htm");
    EXPECT_EQ(LocatePage(bin(), "huayue.htm", "../share/wuzi"), bin() + "/huayue.htm");
}

TEST_F(PageLocation, AnInstalledProgramReadsItsDataDirectory) {
    touch(prefix / "share" / "wuzi" / "puyue.htm");
    std::string found = LocatePage(bin(), "puyue.htm", "../share/wuzi");
    EXPECT_EQ(found, bin() + "/../share/wuzi/puyue.htm");
    EXPECT_TRUE(fs::is_regular_file(found));
    EXPECT_EQ(LocatePage(bin() + "/", "puyue.htm", "../share/wuzi"), found);
}

TEST_F(PageLocation, AMissingPageIsLookedForBesideTheProgram) {
    // A directory of the page's name is not the page.
    fs::create_directories(prefix / "share" / "wuzi" / "10kill1.htm");
    EXPECT_EQ(LocatePage(bin(), "10kill1.htm", "../share/wuzi"), bin() + "/10kill1.htm");
    EXPECT_EQ(LocatePage(bin(), "10kill2.htm", ""), bin() + "/10kill2.htm");
}

} // namespace
} // namespace wuzi::test
