// The controls' accessible objects: the platform's standard object of each control, with
// the name, keyboard shortcut and value a screen reader should hear in its place.
#pragma once

#include <windows.h>

#include <cstdint>

// Answers WM_GETOBJECT for the control of table row `row` when the client object is asked
// for; false when the control's own procedure should answer.
bool AnswerGetObject(HWND control, int32_t row, WPARAM wParam, LPARAM lParam, LRESULT& answer);
