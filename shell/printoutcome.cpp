#include "shell/printoutcome.h"

namespace corvell {
namespace {

// The print system's sentences end with a period of their own; the message
// puts its own after the reason.
std::string inWords(std::string_view words) {
    const std::size_t end = words.find_last_not_of(" \t\r\n.");
    if (end == std::string_view::npos) {
        return {};
    }
    const std::size_t begin = words.find_first_not_of(" \t\r\n");
    return std::string(words.substr(begin, end + 1 - begin));
}

PrintOutcome refused(std::string reason) {
    return {PrintOutcome::Result::Refused, std::move(reason), {}};
}

}  // namespace

std::optional<PrintOutcome> refusalBeforeSending(const PrintQueue& queue) {
    if (queue.acceptingJobs) {
        return std::nullopt;
    }
    std::string reason = inWords(queue.stateMessage);
    if (reason.empty()) {
        reason = "the printer " + queue.printer + " is not accepting jobs";
    }
    return refused(std::move(reason));
}

PrintOutcome outcomeOnceSent(const PrintQueue& queue, std::string_view sendError) {
    if (!sendError.empty()) {
        std::string reason = inWords(sendError);
        return refused(reason.empty() ? "the print system gave no reason" : std::move(reason));
    }
    if (queue.paused) {
        return {PrintOutcome::Result::Waiting, {}, queue.printer};
    }
    return {};
}

std::optional<std::string> printOutcomeMessage(const PrintOutcome& outcome) {
    switch (outcome.result) {
        case PrintOutcome::Result::Printed:
            return std::nullopt;
        case PrintOutcome::Result::Failed:
            return "Printer error has occurred";
        case PrintOutcome::Result::Refused:
            return "The printer did not accept the report: " + outcome.reason + ".";
        case PrintOutcome::Result::Waiting:
            return "The report is waiting: the printer " + outcome.printer + " is paused.";
    }
    return std::nullopt;
}

}  // namespace corvell
