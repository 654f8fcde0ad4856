#pragma once
// A printed report as data: the print statements and font settings a window
// sends to the printer, in order. Windows build a Document; one renderer
// paints it on a printer, and tests compare it line by line.
//
// A print statement lists items on the current line. Text items print right
// after each other (";"); a zone item moves on to the next print zone (",").
// Zones start every 14 columns, a column being the average character width
// of the current font. A statement ends its line unless it is marked to go
// on, and a statement with no item prints an empty line. A line feed inside
// a text starts a new line at the left margin.
//
// Two kinds of marks shape a table of fixed-pitch columns on paper without
// changing its lines: a fitted table, whose font steps down as a whole until
// its widest line fits the page, and the table's column headings, printed
// again at the top of every page the table continues on. A continued heading
// is printed only at the top of every page after the first, above those.
//
// Every page carries the document's case caption and its page number at the
// foot; they are no lines of the document.

#include <string>
#include <variant>
#include <vector>

#include "shell/clock.h"

namespace corvell::report {

inline constexpr int kZoneColumns = 14;

enum class Orientation { Portrait, Landscape };

struct Item {
    enum class Kind { Text, Zone };
    Kind kind = Kind::Text;
    std::string text;
    bool operator==(const Item&) const = default;
};

Item text(std::string s);
Item zone();
// A number prints in Str form followed by one blank (5 prints " 5 ").
Item number(double x);

struct Print {
    std::vector<Item> items;
    bool endsLine = true;
    bool operator==(const Print&) const = default;
};
struct SetFont {
    std::string name;
    bool operator==(const SetFont&) const = default;
};
struct SetSize {
    double points = 0;
    bool operator==(const SetSize&) const = default;
};
struct SetBold {
    bool on = false;
    bool operator==(const SetBold&) const = default;
};
struct SetUnderline {
    bool on = false;
    bool operator==(const SetUnderline&) const = default;
};
struct SetOrientation {
    Orientation orientation = Orientation::Portrait;
    bool operator==(const SetOrientation&) const = default;
};

// Opens or closes a table whose lines must stay whole: where its widest line
// is wider than the page, the whole table prints one point smaller at a time
// until that line fits.
struct FittedTable {
    bool opens = false;
    bool operator==(const FittedTable&) const = default;
};
// Opens or closes the column headings: the lines printed in between start
// every later page of the fitted table they stand in (of the document, when
// they stand in none).
struct Headings {
    bool opens = false;
    bool operator==(const Headings&) const = default;
};

// Opens or closes the lines that start every page after the first, above
// any column headings, and print nowhere else: the title block of the first
// page, marked as continued.
struct ContinuedHeading {
    bool opens = false;
    bool operator==(const ContinuedHeading&) const = default;
};

using Statement = std::variant<Print, SetFont, SetSize, SetBold, SetUnderline, SetOrientation,
                               FittedTable, Headings, ContinuedHeading>;

class Document {
public:
    Document& font(std::string name);
    Document& size(double points);
    Document& bold(bool on);
    Document& underline(bool on);
    Document& orientation(Orientation o);
    Document& openFittedTable();
    Document& closeFittedTable();
    Document& openHeadings();
    Document& closeHeadings();
    Document& openContinuedHeading();
    Document& closeContinuedHeading();

    // Prints the items and ends the line.
    Document& line(std::vector<Item> items = {});
    // Prints the items and stays on the line (a statement ending in ";").
    Document& lineGoesOn(std::vector<Item> items);

    const std::vector<Statement>& statements() const { return statements_; }

    // The orientation of the paper: the first one the document sets, portrait
    // when it sets none.
    Orientation pageOrientation() const;

    // The case caption at the foot of every page; empty: none.
    Document& pageCaption(std::string caption);
    const std::string& pageCaption() const { return pageCaption_; }

    // The text as a fixed-pitch printer would lay it out: one string per
    // printed line, zones of 14 characters, trailing blanks kept. Continued
    // headings, which only later pages print, are left out.
    std::vector<std::string> plainLines() const;

    bool operator==(const Document&) const = default;

private:
    std::vector<Statement> statements_;
    std::string pageCaption_;
};

// The start every one-page report shares: "Times New Roman", 16 point, bold
// off, portrait.
Document portraitReport();

// Two empty zones, then Date$ and Time$ in the third and fourth zones.
std::vector<Item> dateTimeItems(const LocalTime& now);

}  // namespace corvell::report
