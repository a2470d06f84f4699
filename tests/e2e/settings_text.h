// Settings files for the GUI tests: every line the program writes, with chosen values.
#pragma once

#include <string>
#include <utility>
#include <vector>

using SettingsValues = std::vector<std::pair<std::string, std::string>>;

// The face GDI chooses for the requested face on this system.
std::string SubstituteFace(const char* face);
// A face that is installed here (the one the system gives for Tahoma).
std::string InstalledFace();

// Every key in the order of the file, with a fixed, known look: "." and ",", groups of three,
// an installed face, a white window, 200 %; no saved place (the window opens centred).
SettingsValues KnownSettings();
// The values with some keys replaced.
SettingsValues With(SettingsValues values, const SettingsValues& changes);
// The whole file text as the program writes it.
std::string SettingsFileText(const SettingsValues& values);
// The file text of the known settings with some keys replaced.
std::string KnownFile(const SettingsValues& changes = {});
// The file text with the value of one key replaced.
std::string WithValue(const std::string& fileText, const std::string& key,
                      const std::string& value);
// The value of one key in a file text, or "<absent>".
std::string ValueInFile(const std::string& fileText, const std::string& key);
