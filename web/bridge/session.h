#pragma once
// The program's parts for one browser page: the claim whose models the
// calculator windows show and drive, the main menu's model, and what a
// handler left for the page to finish (a question to answer, a report to
// print). The page speaks to it in control names and JSON texts, so one
// generic binder in the page serves every window, as FormBinder does on the
// desktop.
//
// Every answer is a JSON text:
// - a window: {"name", "title", "width", "height" (pixels), "defaultButton",
//   "controls": [{"kind", "name", "caption", "toolTip", "label", "left",
//   "top", "width", "height"}]} in tab order;
// - a view: {"<control>": {"text", "enabled", "lines", "spoken"}};
// - a reaction: {"message": {"text", "title"}, "question": {"id", "text",
//   "title"}, "focus": {"control", "selectAll"}, "print": {"id", "title"},
//   "show": "<window>", "hideSelf", "endProcess"}, each member only when
//   the handler asks for it;
// - a print: {"fileName", "documents": [{"orientation", "caption",
//   "statements"}]}, the report made at the moment it is asked for.

#include <map>
#include <optional>
#include <string>

#include "claim/claim.h"
#include "shell/beginformmodel.h"

namespace corvell::web {

class Session {
public:
    Session();

    // Every window's name, the main menu first.
    std::string windows() const;
    std::string layout(const std::string& window) const;
    std::string view(const std::string& window) const;
    // The operator typed: the text changes and no handler runs.
    void setText(const std::string& window, const std::string& control, const std::string& text);
    // Runs the handler of `event` (Click, LostFocus, Change, DblClick) on the
    // control, if the window has one; `line` is the chosen list line (-1:
    // none).
    std::string fire(const std::string& window, const std::string& control,
                     const std::string& event, int line);
    bool handles(const std::string& window, const std::string& control,
                 const std::string& event) const;
    // The answer to a question a reaction asked, and what it goes on to.
    std::string answer(int question, bool yes);
    // The report of a print a reaction asked for, made now; with the
    // worksheet of its figures after it when `withWorksheet` (and the
    // window has one).
    std::string print(int job, bool withWorksheet);
    // {"title", "lines"} of the window's worksheet; null when it calculates
    // nothing.
    std::string worksheet(const std::string& window) const;

    // The claim as its file holds it.
    std::string claimText() const;
    // Opens a claim file's text: {"error"} when refused (nothing changes),
    // else {"changes"}: what opening it tells of changed figures, or null.
    std::string openClaim(const std::string& fileName, const std::string& text);
    void newClaim();
    // Saved as claimText() last gave it.
    void saved();
    // Whether the claim differs from what was last saved, opened or started,
    // or opening it changed figures not yet saved.
    bool modified() const;
    // The name a new claim file is proposed under.
    std::string proposedFileName() const;

private:
    FormModel& model(const std::string& window);
    const FormModel& model(const std::string& window) const;
    std::string reaction(const Reaction& r);

    Claim claim_;
    BeginFormModel begin_;
    std::map<int, Question> questions_;
    std::map<int, PrintJob> prints_;
    int next_ = 1;
    std::string baseline_;
    bool changedOnOpening_ = false;
};

}  // namespace corvell::web
