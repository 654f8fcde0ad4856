#pragma once
// What a window must do after one of its handlers ran: show a message, move
// the focus, print, or navigate. The model decides; the window carries it
// out, always in the same order: texts and enabled states first, then the
// message, then the focus, then printing or navigation.

#include <optional>
#include <string>

#include "shell/controlname.h"
#include "shell/navigation.h"
#include "shell/report.h"

namespace corvell {

// Where the caret goes in the field that receives the focus.
enum class Caret {
    SelectAll,  // the whole text selected, ready to be typed over
    AtStart,    // the cursor before the first character
};

struct Message {
    std::string text;
    std::string title;  // empty: the application title
    bool operator==(const Message&) const = default;
};

struct Focus {
    ControlName control;
    Caret caret = Caret::SelectAll;
    bool operator==(const Focus&) const = default;
};

struct PrintJob {
    report::Document document;
    // The ledger report prints one document per copy chosen in the printer
    // dialog; every other report prints once.
    bool copiesApply = false;
};

struct Reaction {
    std::optional<Message> message;
    std::optional<Focus> focus;
    std::optional<PrintJob> print;
    std::optional<WindowId> show;  // bring this window to the front...
    bool hideSelf = false;         // ...then hide the window that handled the event
    bool endProcess = false;

    // A refused command: its message, then the offending field focused.
    static Reaction refuse(std::string text, ControlName control, Caret caret = Caret::SelectAll);
    static Reaction say(std::string text, std::string title = {});
    static Reaction focusOn(ControlName control, Caret caret = Caret::SelectAll);

    // Adds what `later` asks for; where both ask for the same thing, later wins.
    Reaction& then(Reaction later);

    bool empty() const;
};

}  // namespace corvell
