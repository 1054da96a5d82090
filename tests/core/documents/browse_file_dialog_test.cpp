// The Browse buttons' file dialog: its request, and what it remembers.
#include "core/documents/browse_file_dialog.h"

#include <gtest/gtest.h>

TEST(BrowseFileDialog, StartsInTheKeptFolderThenInTheLastChosenOne) {
    core::documents::BrowseFileDialog dialog;
    auto request = dialog.request(true);
    EXPECT_EQ(request.filterIndex, 2u); // "All Files" of programs / text files / all files
    EXPECT_EQ(request.initialFolder, "/");
    EXPECT_TRUE(request.multiSelect);
    dialog.setStartFolder("C:\\Jobs\\");
    EXPECT_EQ(dialog.request(false).initialFolder, "C:\\Jobs\\");
    EXPECT_EQ(dialog.fileName(), "");

    dialog.chosen("D:\\Work\\a.bat");
    EXPECT_EQ(dialog.request(false).initialFolder, "D:\\Work\\");
    EXPECT_EQ(dialog.fileName(), "D:\\Work\\a.bat");
    dialog.chosen("b.bat"); // no folder to start in: the last one stays
    EXPECT_EQ(dialog.request(false).initialFolder, "D:\\Work\\");

    // The Insert Batch File Call dialog's file is kept at exit; the start stays.
    dialog.keepFolderOf("E:\\Calls\\c.bat");
    EXPECT_EQ(dialog.fileName(), "E:\\Calls\\c.bat");
    EXPECT_EQ(dialog.request(false).initialFolder, "D:\\Work\\");
}
