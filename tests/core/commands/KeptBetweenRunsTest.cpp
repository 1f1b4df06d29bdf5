// What the program keeps in config.ini from one run to the next: the recent
// files and the main window's place and size.
#include "core/commands/RecentFiles.h"
#include "core/commands/WindowGeometry.h"

#include "platform/IniSettings.h"
#include "tests/support/MemorySettings.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::ScratchFolder;
using test::WriteBytes;
using Paths = std::vector<fs::path>;

TEST(RecentFilesTest, NewestFirstWithoutRepeatsAtMostEightAndMissingOnesLeftOutOfTheMenu)
{
    ScratchFolder folder;
    IniSettings config(folder / "config.ini");
    WriteBytes(folder / "config.ini", "[SignFont]\r\nName=Akkadian\r\n");
    RecentFiles recent(config);
    EXPECT_TRUE(recent.Files().empty());

    Paths letters;
    for (int i = 1; i <= 10; ++i) {
        letters.push_back(folder / ("letter" + std::to_string(i) + ".txt"));
        WriteBytes(letters.back(), "a-na be-li₂-ia");
        ASSERT_TRUE(recent.Add(letters.back()));
    }
    // Opening one already listed moves it to the front.
    ASSERT_TRUE(recent.Add(letters[5]));
    EXPECT_EQ(recent.Files(),
              (Paths{letters[5], letters[9], letters[8], letters[7], letters[6], letters[4], letters[3],
                     letters[2]}));

    // Another run reads the same list; a file deleted meanwhile stays
    // listed but is not offered.
    fs::remove(letters[9]);
    RecentFiles nextRun(config);
    EXPECT_EQ(nextRun.Files().size(), 8u);
    EXPECT_EQ(nextRun.ExistingFiles(),
              (Paths{letters[5], letters[8], letters[7], letters[6], letters[4], letters[3], letters[2]}));
    const std::string kept = ReadBytes(folder / "config.ini");
    EXPECT_NE(kept.find("[SignFont]\r\nName=Akkadian\r\n\r\n[RecentFiles]\r\nFile1=" + letters[5].string()
                        + "\r\nFile2="),
              std::string::npos)
        << kept;

    ASSERT_TRUE(nextRun.Clear());
    EXPECT_TRUE(recent.Files().empty());
    EXPECT_EQ(ReadBytes(folder / "config.ini"), "[SignFont]\r\nName=Akkadian\r\n\r\n[RecentFiles]\r\n");
}

TEST(RecentFilesTest, NamesTheSettingsFileWouldAlterComeBackUnchanged)
{
    ScratchFolder folder;
    IniSettings config(folder / "config.ini");
    RecentFiles recent(config);
    const Paths odd{folder / " lead.txt", folder / "trail.txt ", folder / "\"quoted\"",
                    folder / "back\\slash;#=[x].txt", folder / "ša₂ lugal.txt"};
    for (const fs::path& path : odd)
        ASSERT_TRUE(recent.Add(path));
    EXPECT_EQ(recent.Files(), Paths(odd.rbegin(), odd.rend()));

    // A line break cannot be kept; the list stays as it was.
    EXPECT_FALSE(recent.Add(folder / "two\nlines.txt"));
    EXPECT_EQ(recent.Files().size(), odd.size());
}

TEST(WindowGeometryTest, StoredGeometryComesBackAndDamagedValuesGiveTheDefault)
{
    MemorySettings settings;
    EXPECT_EQ(WindowGeometry::Read(settings), std::nullopt);

    const WindowGeometry placed{-40, 25, 1000, 700, true};
    ASSERT_TRUE(placed.Write(settings));
    EXPECT_EQ(WindowGeometry::Read(settings), placed);
    EXPECT_EQ(settings.readString("window", "maximized", ""), "1");

    // Edited by hand: a tiny size is raised, Maximized may be left out.
    settings.set("Window", "Width", "10");
    settings.remove("Window", "Maximized");
    EXPECT_EQ(WindowGeometry::Read(settings),
              (WindowGeometry{-40, 25, WindowGeometry::kMinWidth, 700, false}));

    for (const char* bad : {"", "abc", "12px", "0", "-5", "99999999999"}) {
        settings.set("Window", "Width", bad);
        EXPECT_EQ(WindowGeometry::Read(settings), std::nullopt) << bad;
    }
}

} // namespace
} // namespace velmora
