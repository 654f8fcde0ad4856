#pragma once
// The worksheet ("How was this calculated?") of a window under any script:
// it is made after every step without fault, and after a Calculate whose
// worksheet tells of no refusal every result it states is the field as the
// window shows it, the last of them on its last line; a Calculate the
// worksheet calls refused showed its message.
//
// A window builds its worksheet from what its Calculate kept
// (shell/worksheet.h), which few of its handlers touch; a target that knows
// which may have the worksheet made again only after those (and after every
// Calculate) rather than after every step: made again from the same record,
// it would come out the same.

#include <cstddef>
#include <cstdint>
#include <functional>

#include "fuzz/session.h"

namespace corvell::fuzz {

void checkWorksheet(const FormModel& model, const Fired& fired, ControlName calculate);

// Whether a handler may have changed what the worksheet is built from.
using WorksheetMayChange = std::function<bool(const Fired&)>;

// `check`, then checkWorksheet: after every step, or, given `mayChange`,
// once before the first step and after every Calculate and every step
// `mayChange` names.
WindowCheck withWorksheetCheck(const FormModel& model, ControlName calculate, WindowCheck check,
                               WorksheetMayChange mayChange = {});

// A fuzz target's run: the script drives `model` through its window, each
// step checked by `check` and the worksheet check. Returns 0, as libFuzzer
// expects.
int runWithWorksheetCheck(FormModel& model, Window window, ControlName calculate, WindowCheck check,
                          const std::uint8_t* data, std::size_t size);

}  // namespace corvell::fuzz
