// Drives the engine as a user does: key labels in, panel and indicators out.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "calculator/calc_context.h"
#include "calculator/keypad.h"
#include "controls/control_table.h"
#include "fake_platform.h"
#include "settings/profile_text.h"
#include "settings/settings_file.h"

struct KeypadDriver {
    FakePlatform Host;
    CalcContext Context{Host};
    ControlTable Table;

    // Settings as a settings file would give them, e.g. "[VIEW]\nLEADING_ZERO = NO".
    explicit KeypadDriver(const std::string& settingsText = "") {
        const ProfileText file =
            ParseProfileText(settingsText.data(), static_cast<int32_t>(settingsText.size()));
        ReadSettings(Context.Settings, file, Host.QueryLocale());
        FillControlTable(Table, Context.Settings);
    }

    // Presses the buttons whose labels are the space-separated tokens, in order.
    KeypadDriver& Press(const std::string& keys) {
        std::istringstream tokens(keys);
        std::string token;
        while (tokens >> token) {
            const int32_t id = CommandOfLabel(Table, token.c_str());
            EXPECT_NE(id, 0) << "no button labelled " << token;
            HandleKeypadCommand(Context, Table, id);
        }
        return *this;
    }

    // What the host shows, which must be what the engine holds.
    std::string Panel() const { return Shown(DisplayField::Panel, Context.PanelText()); }
    std::string OperatorIndicator() const {
        return Shown(DisplayField::OperatorIndicator, Context.OperatorIndicatorText());
    }
    std::string MemoryIndicator() const {
        return Shown(DisplayField::MemoryIndicator, Context.MemoryIndicatorText());
    }
    std::string Shown(DisplayField field, const DecString& held) const {
        const std::string& shown = Host.Shown[static_cast<int>(field)];
        EXPECT_EQ(shown, held.Text()) << "the host was not told of a change";
        return shown;
    }
};
