// Where Quillon keeps Quillon.ini and Quillon.tape. The shell asks the system for the facts
// (folders as UTF-8, whether a folder can be written, whether a settings file is there);
// this rule alone decides:
//
//   1. a settings file in the current directory is used there, as it always was, unless that
//      folder cannot be written or is a temporary folder;
//   2. a portable copy (a settings file beside quillon.exe: the ZIP ships an empty one) keeps
//      its files beside quillon.exe, unless that folder cannot be written or is temporary;
//   3. any other copy (an installed one, one run from a temporary folder such as a ZIP opened
//      from Explorer, or one in a folder it cannot write) keeps them in the user's profile,
//      %APPDATA%\Quillon, created when first needed.
#pragma once

#include <string>

// What the system says of one folder.
struct FolderFacts {
    std::string Path;              // UTF-8, without a trailing separator
    bool HasSettingsFile = false;  // Quillon.ini is there
    bool Writable = false;         // a file could be created there just now
};

struct PlaceFacts {
    FolderFacts Current;          // the current directory
    FolderFacts Program;          // the folder quillon.exe is in
    std::string TemporaryFolder;  // the user's temporary folder
    std::string ProfileFolder;    // %APPDATA%; empty when the system has none
};

enum class FilePlaceKind { CurrentDirectory, BesideProgram, Profile };

struct FilePlace {
    FilePlaceKind Kind = FilePlaceKind::CurrentDirectory;
    std::string Folder;  // UTF-8; empty: the current directory
};

FilePlace ChooseFilePlace(const PlaceFacts& facts);

// The folder's file `name`, e.g. "C:\Users\Ann\AppData\Roaming\Quillon\Quillon.tape".
std::string FileInPlace(const FilePlace& place, const std::string& name);

// True when `folder` is `parent` or inside it; Windows paths, so letters compare without case
// and either slash separates.
bool IsInsideFolder(const std::string& folder, const std::string& parent);
