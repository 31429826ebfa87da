// What a unit test does as the operator, on the headless backend.
#pragma once

#include <optional>
#include <string>

#include "toolkit/toolkit.h"

namespace tk::headless {

// Replaces the field's text as typing would: bounded by its maximum length.
void Type(Edit& edit, const std::string& text);
void Pick(ComboBox& combo, int index);
void PickTab(TabControl& tabs, int index);
// Moves the pointer to client point (x, y) of `form`; the form hears it only where no shown
// control covers the point.
void MovePointer(Form& form, int x, int y);
// The control a pointer at client point (x, y) of `form` is over; null for the form itself.
Control* HitTest(Form& form, int x, int y);
// The answer the dialog gives at its next showing: a path, or nullopt for cancel.
void AnswerDialog(FileDialog& dialog, std::optional<std::wstring> path);

}  // namespace tk::headless
