#pragma once
// The worksheet ("How was this calculated?") of a window under any script:
// it is made after every step without fault, and after a Calculate whose
// worksheet tells of no refusal every result it states is the field as the
// window shows it, the last of them on its last line; a Calculate the
// worksheet calls refused showed its message.

#include <cstddef>
#include <cstdint>

#include "fuzz/session.h"

namespace corvell::fuzz {

void checkWorksheet(const FormModel& model, const Fired& fired, ControlName calculate);

// `check`, then checkWorksheet.
WindowCheck withWorksheetCheck(const FormModel& model, ControlName calculate, WindowCheck check);

// A fuzz target's run: the script drives `model` through its window, each
// step checked by `check` and the worksheet check. Returns 0, as libFuzzer
// expects.
int runWithWorksheetCheck(FormModel& model, Window window, ControlName calculate, WindowCheck check,
                          const std::uint8_t* data, std::size_t size);

}  // namespace corvell::fuzz
