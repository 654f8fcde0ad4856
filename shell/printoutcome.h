#pragma once
// What became of a report sent to a printer, and what the operator is told
// of it. The program's printing library draws and sends a job without saying
// whether the print system took it; the print system is asked instead. A
// queue that takes no jobs refuses the report before anything is sent; a job
// it answers with an error is refused too; a paused queue keeps a job it
// took until the printer runs again.

#include <optional>
#include <string>
#include <string_view>

namespace corvell {

// A printer's queue as the print system reports it.
struct PrintQueue {
    std::string printer;  // the queue's name, as the printer dialog lists it
    bool acceptingJobs = true;
    bool paused = false;
    std::string stateMessage;  // the print system's words on the queue; may be empty
};

struct PrintOutcome {
    enum class Result {
        Printed,  // taken by the printer, or written to the file
        Failed,   // the report could not be drawn for the printer
        Refused,  // the print system did not take it: nothing is printed
        Waiting,  // taken by a paused printer
    };
    Result result = Result::Printed;
    std::string reason;   // Refused: why, in words
    std::string printer;  // Waiting: the paused printer's name

    static PrintOutcome failed() { return {Result::Failed, {}, {}}; }
    bool operator==(const PrintOutcome&) const = default;
};

// Before anything is sent: the refusal of a queue that takes no jobs, in its
// own words when it has any; nothing when the job may be sent.
std::optional<PrintOutcome> refusalBeforeSending(const PrintQueue& queue);

// Once the job is sent: refused when the print system answered with
// `sendError`, waiting when the queue is paused, printed otherwise.
PrintOutcome outcomeOnceSent(const PrintQueue& queue, std::string_view sendError);

// What the operator is told afterwards; nothing when the report printed.
std::optional<std::string> printOutcomeMessage(const PrintOutcome& outcome);

}  // namespace corvell
