// Where Quillon.ini and Quillon.tape live: one rule over what the system reports.
#include "settings/file_place.h"

#include <gtest/gtest.h>

namespace {

const std::string Work = "D:\\Accounts";
const std::string Unpacked = "C:\\Users\\Ann\\Tools\\Quillon";
const std::string Installed = "C:\\Users\\Ann\\AppData\\Local\\Programs\\Quillon";
const std::string Temporary = "C:\\Users\\Ann\\AppData\\Local\\Temp";
const std::string Profile = "C:\\Users\\Ann\\AppData\\Roaming";
const std::string InProfile = Profile + "\\Quillon";
// A user name outside the ANSI code page, as UTF-8: the path goes through unchanged.
const std::string WideProfile = "C:\\Users\\\xE6\x9D\x8E\xE5\x9B\x9B\\AppData\\Roaming";

struct PlaceCase {
    const char* Name;
    FolderFacts Current;
    FolderFacts Program;
    std::string ProfileFolder;
    FilePlaceKind Kind;
    std::string Folder;
};

TEST(FilePlace, WhereTheFilesLive) {
    const PlaceCase cases[] = {
        {"settings file in the current directory",
         {Work, true, true},
         {Installed, false, false},
         Profile,
         FilePlaceKind::CurrentDirectory,
         Work},
        {"current directory without one, installed",
         {Work, false, true},
         {Installed, false, true},
         Profile,
         FilePlaceKind::Profile,
         InProfile},
        {"portable copy started from elsewhere",
         {Work, false, true},
         {Unpacked, true, true},
         Profile,
         FilePlaceKind::BesideProgram,
         Unpacked},
        {"portable copy started in its folder",
         {Unpacked, true, true},
         {Unpacked, true, true},
         Profile,
         FilePlaceKind::CurrentDirectory,
         Unpacked},
        {"portable copy in a folder it cannot write",
         {Installed, true, false},
         {Installed, true, false},
         Profile,
         FilePlaceKind::Profile,
         InProfile},
        {"current directory it cannot write",
         {"C:\\Windows", true, false},
         {Unpacked, true, true},
         Profile,
         FilePlaceKind::BesideProgram,
         Unpacked},
        {"ZIP opened from Explorer: a temporary folder",
         {Temporary + "\\Temp1_q.zip", true, true},
         {Temporary + "\\Temp1_q.zip\\Quillon", true, true},
         Profile,
         FilePlaceKind::Profile,
         InProfile},
        {"temporary folder in other letters",
         {"c:/users/ann/appdata/local/temp/x", true, true},
         {Installed, false, true},
         Profile + "\\",
         FilePlaceKind::Profile,
         InProfile},
        {"a folder beside the temporary one is not temporary",
         {Temporary + "2", true, true},
         {Installed, false, true},
         Profile,
         FilePlaceKind::CurrentDirectory,
         Temporary + "2"},
        {"non-ANSI profile path",
         {Work, false, true},
         {Installed, false, true},
         WideProfile,
         FilePlaceKind::Profile,
         WideProfile + "\\Quillon"},
        {"no profile folder at all",
         {Work, false, true},
         {Installed, false, false},
         "",
         FilePlaceKind::CurrentDirectory,
         Work},
    };
    for (const PlaceCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const FilePlace place = ChooseFilePlace({c.Current, c.Program, Temporary, c.ProfileFolder});
        EXPECT_EQ(place.Kind, c.Kind);
        EXPECT_EQ(place.Folder, c.Folder);
        EXPECT_EQ(FileInPlace(place, "Quillon.tape"), c.Folder + "\\Quillon.tape");
    }
}

}  // namespace
