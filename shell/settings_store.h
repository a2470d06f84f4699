// The settings file in the files folder (shell/files_folder.h): read into the live settings
// when the main window is created, written whole when it is destroyed.
#pragma once

void LoadSettingsFile();
// Writes a temporary file beside the settings file and puts it in the old one's place in
// one step, so a failed write leaves the previous settings intact. A failure is told, unless
// a failed write was told already in this run; a file the user marked read-only is left as
// it is.
void SaveSettingsFile();
