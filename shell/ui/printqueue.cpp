#include "shell/ui/printqueue.h"

#include <cups/cups.h>

#include <QPrinter>
#include <iterator>

#include "shell/ui/printsetup.h"

namespace corvell::ui {
namespace {

// The queue as the print system reports it now; a print system that cannot
// be asked leaves the queue taken as accepting and running.
PrintQueue askQueue(const QPrinter& printer) {
    // An instance ("Office/draft") prints on its printer's queue.
    const QByteArray name = printer.printerName().section(QLatin1Char('/'), 0, 0).toUtf8();
    PrintQueue queue;
    queue.printer = name.toStdString();
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(),
                     "/printers/%s", name.constData());
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    static const char* const wanted[] = {"printer-is-accepting-jobs", "printer-state",
                                         "printer-state-message"};
    ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                  int(std::size(wanted)), nullptr, wanted);
    ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");  // frees the request
    if (response == nullptr) {
        return queue;
    }
    if (ipp_attribute_t* a =
            ippFindAttribute(response, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN)) {
        queue.acceptingJobs = ippGetBoolean(a, 0) != 0;
    }
    if (ipp_attribute_t* a = ippFindAttribute(response, "printer-state", IPP_TAG_ENUM)) {
        queue.paused = ippGetInteger(a, 0) == IPP_PSTATE_STOPPED;
    }
    if (ipp_attribute_t* a = ippFindAttribute(response, "printer-state-message", IPP_TAG_TEXT)) {
        queue.stateMessage = ippGetString(a, 0, nullptr);
    }
    ippDelete(response);
    return queue;
}

// QPrinter sends a job with the print system's library and drops its answer,
// which the library keeps for the thread: the words of a refusal of the last
// request, empty when it was taken.
std::string lastRequestRefusal() {
    const ipp_status_t status = cupsLastError();
    if (status <= IPP_STATUS_OK_EVENTS_COMPLETE) {
        return {};
    }
    const char* words = cupsLastErrorString();
    return words != nullptr && *words != '\0' ? words : ippErrorString(status);
}

}  // namespace

PrintOutcome printOnQueue(const report::Document& document, QPrinter& printer, int copies) {
    const bool queued = !printsToFile(printer);
    if (queued) {
        // The question also leaves the library's last answer a success, so
        // that a refusal read afterwards is the job's own.
        if (std::optional<PrintOutcome> refusal = refusalBeforeSending(askQueue(printer))) {
            return *refusal;
        }
    }
    if (!printCopies(document, printer, copies)) {
        return PrintOutcome::failed();
    }
    return queued ? outcomeOfJobsSent(printer) : PrintOutcome{};
}

PrintOutcome outcomeOfJobsSent(const QPrinter& printer) {
    if (printsToFile(printer)) {
        return {};
    }
    const std::string refusal = lastRequestRefusal();
    return outcomeOnceSent(askQueue(printer), refusal);
}

}  // namespace corvell::ui
