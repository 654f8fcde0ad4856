#pragma once
// What a window must do after one of its handlers ran: show a message, move
// the focus, print, or navigate. The model decides; the window carries it
// out, always in the same order: texts and enabled states first, then the
// message, then a question, then the focus, then printing or navigation.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "shell/clock.h"
#include "shell/controlname.h"
#include "shell/navigation.h"
#include "shell/report.h"
#include "shell/worksheet.h"

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

struct Reaction;

// A question with Yes and No buttons. The window asks it, then runs what the
// answer goes on to: the model changes nothing until it is answered.
struct Question {
    std::string text;
    std::string title;  // empty: the application title
    std::function<Reaction()> yes;
    std::function<Reaction()> no;
};

struct Focus {
    ControlName control;
    Caret caret = Caret::SelectAll;
    bool operator==(const Focus&) const = default;
};

// A report to print. It is made only once the printer dialog (or the file
// dialog of an export) is confirmed, so that the date and time it shows are
// those at which it was made; it reads what the window held when the command
// was given.
struct PrintJob {
    std::string title;        // the report's title line, which names its PDF file
    std::string caseCaption;  // the case caption it prints
    // Only the ledger report prints as many copies as the printer dialog
    // asks for; every other report prints once.
    bool copiesApply = false;
    std::function<report::Document(const LocalTime& madeAt)> make;
    // How the report's figures were calculated; std::nullopt for a window
    // without calculations. Made only when a worksheet is asked for, while
    // the report is sent, before the window handles anything else.
    std::function<std::optional<Worksheet>()> worksheet = [] { return std::nullopt; };
};

struct Reaction {
    std::optional<Message> message;
    std::optional<Question> question;
    std::optional<Focus> focus;
    std::optional<PrintJob> print;
    std::optional<WindowId> show;  // bring this window to the front...
    bool hideSelf = false;         // ...then hide the window that handled the event
    bool endProcess = false;

    // A refused command: its message, then the offending field focused.
    static Reaction refuse(std::string text, ControlName control, Caret caret = Caret::SelectAll);
    static Reaction say(std::string text, std::string title = {});
    static Reaction ask(Question question);
    static Reaction focusOn(ControlName control, Caret caret = Caret::SelectAll);
    // Prints the job's report with its case caption at the foot of every page.
    static Reaction printing(PrintJob job);
    // Brings the window to the front and leaves this one as it is.
    static Reaction open(WindowId window);
    // Brings the window to the front, then hides the one that handled the event.
    static Reaction moveTo(WindowId window);
    static Reaction quit();

    // Adds what `later` asks for; where both ask for the same thing, later wins.
    Reaction& then(Reaction later);

    bool empty() const;
};

// Prints the report `make` builds from a copy of `figures` (which hold the
// case caption) once, at the moment it is printed.
template <class Figures>
Reaction printOnce(std::string_view title, Figures figures,
                   report::Document (*make)(const Figures&, const LocalTime&)) {
    std::string caption = figures.caseCaption;
    return Reaction::printing(
        {std::string(title), std::move(caption), false,
         [figures = std::move(figures), make](const LocalTime& at) { return make(figures, at); }});
}

}  // namespace corvell
