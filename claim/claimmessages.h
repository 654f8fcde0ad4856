#pragma once
// What the program tells the operator about a claim file, in every edition.

#include <string>
#include <string_view>

#include "shell/savedwindow.h"

namespace corvell {

// What opening the claim file named `fileName` tells of figures that came
// out otherwise than saved.
std::string changedFiguresMessage(std::string_view fileName, const FigureChanges& changes);

}  // namespace corvell
