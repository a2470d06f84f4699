#include "settings/file_place.h"

namespace {

char Folded(char c) {
    if (c == '/') return '\\';
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string WithoutTrailingSeparator(std::string path) {
    while (path.size() > 1 && (path.back() == '\\' || path.back() == '/')) path.pop_back();
    return path;
}

// A folder the files may stay in: it can be written and does not vanish with the temporary
// files.
bool Keeps(const FolderFacts& folder, const PlaceFacts& facts) {
    return folder.Writable && !folder.Path.empty() &&
           (facts.TemporaryFolder.empty() || !IsInsideFolder(folder.Path, facts.TemporaryFolder));
}

}  // namespace

bool IsInsideFolder(const std::string& folder, const std::string& parent) {
    const std::string inner = WithoutTrailingSeparator(folder);
    const std::string outer = WithoutTrailingSeparator(parent);
    if (outer.empty() || inner.size() < outer.size()) return false;
    for (size_t i = 0; i < outer.size(); ++i) {
        if (Folded(inner[i]) != Folded(outer[i])) return false;
    }
    return inner.size() == outer.size() || Folded(inner[outer.size()]) == '\\';
}

FilePlace ChooseFilePlace(const PlaceFacts& facts) {
    if (facts.Current.HasSettingsFile && Keeps(facts.Current, facts)) {
        return FilePlace{FilePlaceKind::CurrentDirectory, facts.Current.Path};
    }
    if (facts.Program.HasSettingsFile && Keeps(facts.Program, facts)) {
        return FilePlace{FilePlaceKind::BesideProgram, facts.Program.Path};
    }
    if (facts.ProfileFolder.empty()) {
        return FilePlace{FilePlaceKind::CurrentDirectory, facts.Current.Path};
    }
    return FilePlace{FilePlaceKind::Profile,
                     WithoutTrailingSeparator(facts.ProfileFolder) + "\\Quillon"};
}

std::string FileInPlace(const FilePlace& place, const std::string& name) {
    if (place.Folder.empty()) return name;
    return place.Folder + '\\' + name;
}
