#include "web/bridge/session.h"

#include <array>
#include <nlohmann/json.hpp>
#include <stdexcept>
#include <variant>

#include "claim/claimmessages.h"
#include "commutation/frmcommutationlayout.h"
#include "interest/calculationformlayout.h"
#include "offsets/frmoffsetlayout.h"
#include "offsets/frmpensionlayout.h"
#include "offsets/frmsocialsecuritylayout.h"
#include "presentvalue/frmpresentvaluelayout.h"
#include "shell/beginformlayout.h"
#include "shell/reportfilename.h"
#include "subrogation/frmsubrogationlayout.h"

namespace corvell::web {
namespace {

using nlohmann::json;

// The screen's 96 pixels to the inch, as the desktop draws the layouts.
constexpr int kTwipsPerPixel = 15;

const std::array<const WindowLayout*, 8> kLayouts = {
    &beginform::layout,         &calculationform::layout, &frmpresentvalue::layout,
    &frmsocialsecurity::layout, &frmpension::layout,      &frmoffset::layout,
    &frmcommutation::layout,    &frmsubrogation::layout,
};

const WindowLayout& layoutOf(const std::string& window) {
    for (const WindowLayout* layout : kLayouts) {
        if (windowClassName(layout->id) == window) {
            return *layout;
        }
    }
    throw std::invalid_argument("no window named " + window);
}

std::string name(ControlName control) {
    return std::string(control.name());
}

// The control of that name on the model's window: names come from the page,
// so only the model's own are taken.
ControlName controlOf(const FormModel& model, const std::string& control) {
    for (const ControlName c : model.controlNames()) {
        if (c.name() == control) {
            return c;
        }
    }
    throw std::invalid_argument("no control named " + control);
}

Event eventOf(const std::string& event) {
    for (const Event e : kEvents) {
        if (event == eventName(e)) {
            return e;
        }
    }
    throw std::invalid_argument("no event named " + event);
}

const char* kindName(ControlKind kind) {
    switch (kind) {
        case ControlKind::Field:
            return "Field";
        case ControlKind::TextBox:
            return "TextBox";
        case ControlKind::Label:
            return "Label";
        case ControlKind::CaptionLabel:
            return "CaptionLabel";
        case ControlKind::Button:
            return "Button";
        case ControlKind::NavButton:
            return "NavButton";
        case ControlKind::ListBox:
            return "ListBox";
    }
    return "";
}

json itemJson(const report::Item& item) {
    if (item.kind == report::Item::Kind::Zone) {
        return {{"zone", true}};
    }
    return {{"text", item.text}};
}

// Each statement as {"<what it sets>": value}; a print as {"print": items,
// "endsLine": bool}.
json statementJson(const report::Statement& statement) {
    return std::visit(
        [](const auto& s) -> json {
            using S = std::decay_t<decltype(s)>;
            if constexpr (std::is_same_v<S, report::Print>) {
                json items = json::array();
                for (const report::Item& item : s.items) {
                    items.push_back(itemJson(item));
                }
                return {{"print", items}, {"endsLine", s.endsLine}};
            } else if constexpr (std::is_same_v<S, report::SetFont>) {
                return {{"font", s.name}};
            } else if constexpr (std::is_same_v<S, report::SetSize>) {
                return {{"size", s.points}};
            } else if constexpr (std::is_same_v<S, report::SetBold>) {
                return {{"bold", s.on}};
            } else if constexpr (std::is_same_v<S, report::SetUnderline>) {
                return {{"underline", s.on}};
            } else if constexpr (std::is_same_v<S, report::SetOrientation>) {
                return {{"orientation", s.orientation == report::Orientation::Landscape
                                            ? "landscape"
                                            : "portrait"}};
            } else if constexpr (std::is_same_v<S, report::FittedTable>) {
                return {{"fittedTable", s.opens}};
            } else if constexpr (std::is_same_v<S, report::Headings>) {
                return {{"headings", s.opens}};
            } else {
                return {{"continuedHeading", s.opens}};
            }
        },
        statement);
}

json documentJson(const report::Document& document, const std::string& caption) {
    json statements = json::array();
    for (const report::Statement& s : document.statements()) {
        statements.push_back(statementJson(s));
    }
    const bool landscape = document.pageOrientation() == report::Orientation::Landscape;
    return {{"orientation", landscape ? "landscape" : "portrait"},
            {"caption", document.pageCaption().empty() ? caption : document.pageCaption()},
            {"statements", statements}};
}

}  // namespace

Session::Session() : baseline_(claim_.save().dump()) {}

FormModel& Session::model(const std::string& window) {
    const WindowId id = layoutOf(window).id;
    return id == WindowId::BeginForm ? begin_ : claim_.model(id);
}

const FormModel& Session::model(const std::string& window) const {
    return const_cast<Session*>(this)->model(window);
}

std::string Session::windows() const {
    json names = json::array();
    for (const WindowLayout* layout : kLayouts) {
        names.push_back(std::string(windowClassName(layout->id)));
    }
    return names.dump();
}

std::string Session::layout(const std::string& window) const {
    const WindowLayout& layout = layoutOf(window);
    json controls = json::array();
    for (const ControlSpec& c : layout.controls) {
        const ControlSpec* label = c.kind == ControlKind::Field || c.kind == ControlKind::TextBox
                                       ? labelOf(layout, c)
                                       : nullptr;
        controls.push_back({{"kind", kindName(c.kind)},
                            {"name", name(c.name)},
                            {"caption", std::string(controlCaption(layout.id, c))},
                            {"toolTip", std::string(controlToolTip(c))},
                            {"label", label != nullptr ? json(name(label->name)) : json()},
                            {"left", c.left / kTwipsPerPixel},
                            {"top", c.top / kTwipsPerPixel},
                            {"width", c.width / kTwipsPerPixel},
                            {"height", c.height / kTwipsPerPixel}});
    }
    return json{
        {"name", window},
        {"title", std::string(windowTitle(layout.id))},
        {"width", layout.widthTwips / kTwipsPerPixel},
        {"height", layout.heightTwips / kTwipsPerPixel},
        {"defaultButton", layout.defaultButton ? json(name(*layout.defaultButton)) : json()},
        {"controls", controls}}
        .dump();
}

std::string Session::view(const std::string& window) const {
    const FormModel& m = model(window);
    json controls = json::object();
    for (const ControlName c : m.controlNames()) {
        json control = {{"text", m.text(c)}, {"enabled", m.isEnabled(c)}};
        const std::vector<std::string>& lines = m.lines(c);
        if (!lines.empty()) {
            json spoken = json::array();
            for (std::size_t i = 0; i < lines.size(); ++i) {
                spoken.push_back(m.lineReadAloud(c, i));
            }
            control["lines"] = lines;
            control["spoken"] = spoken;
        }
        controls[name(c)] = control;
    }
    return controls.dump();
}

void Session::setText(const std::string& window, const std::string& control,
                      const std::string& text) {
    FormModel& m = model(window);
    m.setText(controlOf(m, control), text);
}

bool Session::handles(const std::string& window, const std::string& control,
                      const std::string& event) const {
    const FormModel& m = model(window);
    return m.handles(controlOf(m, control), eventOf(event));
}

std::string Session::fire(const std::string& window, const std::string& control,
                          const std::string& event, int line) {
    FormModel& m = model(window);
    return reaction(m.fire(controlOf(m, control), eventOf(event), line));
}

std::string Session::reaction(const Reaction& r) {
    json out = json::object();
    if (r.message) {
        out["message"] = {{"text", r.message->text}, {"title", r.message->title}};
    }
    if (r.question) {
        // One question is open at a time: the page asks it at once.
        questions_.clear();
        const int id = next_++;
        questions_.emplace(id, *r.question);
        out["question"] = {{"id", id}, {"text", r.question->text}, {"title", r.question->title}};
    }
    if (r.focus) {
        out["focus"] = {{"control", name(r.focus->control)},
                        {"selectAll", r.focus->caret == Caret::SelectAll}};
    }
    if (r.print) {
        prints_.clear();
        const int id = next_++;
        prints_.emplace(id, *r.print);
        out["print"] = {{"id", id}, {"title", r.print->title}};
    }
    if (r.show) {
        out["show"] = std::string(windowClassName(*r.show));
    }
    if (r.hideSelf) {
        out["hideSelf"] = true;
    }
    if (r.endProcess) {
        out["endProcess"] = true;
    }
    return out.dump();
}

std::string Session::answer(int question, bool yes) {
    const auto it = questions_.find(question);
    if (it == questions_.end()) {
        throw std::invalid_argument("no question " + std::to_string(question) + " is open");
    }
    const Question q = std::move(it->second);
    questions_.erase(it);
    return reaction(yes ? q.yes() : q.no());
}

std::string Session::print(int job, bool withWorksheet) {
    const auto it = prints_.find(job);
    if (it == prints_.end()) {
        throw std::invalid_argument("no report " + std::to_string(job) + " is waiting");
    }
    const PrintJob& p = it->second;
    // Made now, as the page prints it: it shows the moment it was made.
    const LocalTime now = systemNow();
    json documents = json::array({documentJson(p.make(now), p.caseCaption)});
    std::string title = p.title;
    if (withWorksheet) {
        if (const std::optional<Worksheet> sheet = p.worksheet()) {
            documents.push_back(documentJson(sheet->document(p.caseCaption, now), p.caseCaption));
            title += " Worksheet";
        }
    }
    return json{{"fileName", reportFileName(title, p.caseCaption, now)}, {"documents", documents}}
        .dump();
}

std::string Session::worksheet(const std::string& window) const {
    const std::optional<Worksheet> sheet = model(window).worksheet();
    if (!sheet) {
        return "null";
    }
    return json{{"title", sheet->title()}, {"lines", sheet->textLines()}}.dump();
}

std::string Session::claimText() const {
    return claimFileText(claim_);
}

std::string Session::openClaim(const std::string& fileName, const std::string& text) {
    FigureChanges changes;
    if (const std::optional<std::string> wrong = openClaimFile(claim_, text, &changes)) {
        return json{{"error", *wrong}}.dump();
    }
    baseline_ = claim_.save().dump();
    changedOnOpening_ = !changes.empty();
    return json{
        {"changes", changes.empty() ? json() : json(changedFiguresMessage(fileName, changes))}}
        .dump();
}

void Session::newClaim() {
    claim_.clear();
    saved();
}

void Session::saved() {
    baseline_ = claim_.save().dump();
    changedOnOpening_ = false;
}

bool Session::modified() const {
    return changedOnOpening_ || claim_.save().dump() != baseline_;
}

std::string Session::proposedFileName() const {
    return claimFileName(claim_.caseCaption(WindowId::CalculationForm));
}

}  // namespace corvell::web
