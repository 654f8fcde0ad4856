#include "claim/claimmessages.h"

#include <algorithm>

namespace corvell {

std::string changedFiguresMessage(std::string_view fileName, const FigureChanges& changes) {
    std::string text = "Some figures of " + std::string(fileName) +
                       " came out otherwise than when it was saved (this version's rules, or a "
                       "change made to the file):\n";
    // A message box taller than the screen shows nothing well: the rest are
    // in the worksheets.
    constexpr std::size_t kShownChanges = 24;
    for (std::size_t i = 0; i < std::min(changes.size(), kShownChanges); ++i) {
        text += "\n" + changes[i];
    }
    if (changes.size() > kShownChanges) {
        text += "\n... and " + std::to_string(changes.size() - kShownChanges) + " more.";
    }
    return text +
           "\n\nThe windows show the new figures, and the claim is marked changed until you save "
           "it. Each window's worksheet lists its changes too.";
}

}  // namespace corvell
