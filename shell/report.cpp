#include "shell/report.h"

#include "shell/values.h"

namespace corvell::report {

Item text(std::string s) {
    return Item{Item::Kind::Text, std::move(s)};
}

Item zone() {
    return Item{Item::Kind::Zone, {}};
}

Item number(double x) {
    return text(Str(x) + " ");
}

Document& Document::font(std::string name) {
    statements_.emplace_back(SetFont{std::move(name)});
    return *this;
}

Document& Document::size(double points) {
    statements_.emplace_back(SetSize{points});
    return *this;
}

Document& Document::bold(bool on) {
    statements_.emplace_back(SetBold{on});
    return *this;
}

Document& Document::underline(bool on) {
    statements_.emplace_back(SetUnderline{on});
    return *this;
}

Document& Document::orientation(Orientation o) {
    statements_.emplace_back(SetOrientation{o});
    return *this;
}

Orientation Document::pageOrientation() const {
    for (const Statement& statement : statements_) {
        if (const auto* o = std::get_if<SetOrientation>(&statement)) {
            return o->orientation;
        }
    }
    return Orientation::Portrait;
}

Document& Document::openFittedTable() {
    statements_.emplace_back(FittedTable{true});
    return *this;
}

Document& Document::closeFittedTable() {
    statements_.emplace_back(FittedTable{false});
    return *this;
}

Document& Document::openHeadings() {
    statements_.emplace_back(Headings{true});
    return *this;
}

Document& Document::closeHeadings() {
    statements_.emplace_back(Headings{false});
    return *this;
}

Document& Document::openContinuedHeading() {
    statements_.emplace_back(ContinuedHeading{true});
    return *this;
}

Document& Document::closeContinuedHeading() {
    statements_.emplace_back(ContinuedHeading{false});
    return *this;
}

Document& Document::pageCaption(std::string caption) {
    pageCaption_ = std::move(caption);
    return *this;
}

Document& Document::line(std::vector<Item> items) {
    statements_.emplace_back(Print{std::move(items), true});
    return *this;
}

Document& Document::lineGoesOn(std::vector<Item> items) {
    statements_.emplace_back(Print{std::move(items), false});
    return *this;
}

std::vector<std::string> Document::plainLines() const {
    std::vector<std::string> lines;
    std::string current;
    bool open = false;       // a statement left the current line going on
    bool continued = false;  // inside a continued heading
    for (const Statement& statement : statements_) {
        if (const auto* heading = std::get_if<ContinuedHeading>(&statement)) {
            continued = heading->opens;
        }
        const auto* print = std::get_if<Print>(&statement);
        if (print == nullptr || continued) {
            continue;
        }
        for (const Item& item : print->items) {
            if (item.kind == Item::Kind::Zone) {
                const std::size_t next = (current.size() / kZoneColumns + 1) * kZoneColumns;
                current.append(next - current.size(), ' ');
                continue;
            }
            for (char c : item.text) {
                if (c == '\n') {
                    lines.push_back(current);
                    current.clear();
                } else if (c != '\r') {
                    current += c;
                }
            }
        }
        open = !print->endsLine;
        if (!open) {
            lines.push_back(current);
            current.clear();
        }
    }
    if (open) {
        lines.push_back(current);
    }
    return lines;
}

Document portraitReport() {
    Document doc;
    doc.font("Times New Roman").size(16).bold(false).orientation(Orientation::Portrait);
    return doc;
}

std::vector<Item> dateTimeItems(const LocalTime& now) {
    return {zone(), zone(), text(dateText(now)), zone(), text(timeText(now))};
}

}  // namespace corvell::report
