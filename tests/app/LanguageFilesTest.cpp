#include "app/ULanguageFiles.h"

#include <gtest/gtest.h>

#include "TempProgramFolder.h"

namespace fs = std::filesystem;

TEST(LanguageFilesTest, OffersWritablePlainLanguageFilesSortedIgnoringCase)
{
    TempProgramFolder folder;
    const fs::path lang = folder.dir / "LANGUAGE";
    for (const char* name : {"english.lng", "ITALIANO.lng", "Deutsch.lng", "notes.txt", "Locked.lng"})
        TempProgramFolder::WriteFile(lang / name, "");
    fs::create_directories(lang / "Folder.lng");
    fs::create_symlink(lang / "english.lng", lang / "Link.lng");
    fs::permissions(lang / "Locked.lng", fs::perms::owner_read);

    EXPECT_EQ(List_Language_Files(lang), (std::vector<std::string>{"Deutsch.lng", "english.lng", "ITALIANO.lng"}));
    EXPECT_TRUE(List_Language_Files(folder.dir / "none").empty());
    EXPECT_EQ(Lang_Name_Of("ITALIANO.lng"), "ITALIANO");
}

TEST(LanguageFilesTest, PagesOfSix)
{
    struct Case {
        int files, pages;
        std::vector<int> slots;  // per page 1..pages+1
    };
    const Case cases[] = {
        {0, 0, {0}},
        {6, 1, {6, 0}},
        {7, 2, {6, 1, 0}},
        {13, 3, {6, 6, 1, 0}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Lang_Page_Count(c.files), c.pages) << c.files;
        for (std::size_t p = 0; p < c.slots.size(); ++p)
            EXPECT_EQ(Lang_Slots_On_Page(c.files, static_cast<int>(p) + 1), c.slots[p]) << c.files << " page " << p + 1;
    }
}
