// The settings file in the current directory: read into the live settings when the main
// window is created, written whole when it is destroyed.
#pragma once

void LoadSettingsFile();
// Writes a temporary file beside the settings file and puts it in the old one's place in
// one step, so a failed write leaves the previous settings intact. Failures stay silent.
void SaveSettingsFile();
