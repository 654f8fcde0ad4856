#include "shell/ui/printqueue.h"

#include <cups/cups.h>
#include <dlfcn.h>

#include <QPrinter>
#include <iterator>
#include <optional>
#include <type_traits>

#include "shell/ui/printsetup.h"

namespace corvell::ui {
namespace {

// The print system's library, loaded on the first print rather than linked:
// it and the libraries it needs would cost the main menu a third of its
// start-up. It is the library Qt's own printing loads, so the answer Qt
// drops is there to read.
struct Cups {
    decltype(&::httpAssembleURIf) assembleUri = nullptr;
    decltype(&::ippPort) port = nullptr;
    decltype(&::ippNewRequest) newRequest = nullptr;
    decltype(&::ippAddString) addString = nullptr;
    decltype(&::ippAddStrings) addStrings = nullptr;
    decltype(&::cupsDoRequest) doRequest = nullptr;
    decltype(&::ippFindAttribute) findAttribute = nullptr;
    decltype(&::ippGetBoolean) getBoolean = nullptr;
    decltype(&::ippGetInteger) getInteger = nullptr;
    decltype(&::ippGetString) getString = nullptr;
    decltype(&::ippDelete) deleteRequest = nullptr;
    decltype(&::cupsLastError) lastError = nullptr;
    decltype(&::cupsLastErrorString) lastErrorString = nullptr;
    decltype(&::ippErrorString) errorString = nullptr;

    // std::nullopt where the library cannot be loaded: no queue is asked.
    static const std::optional<Cups>& library() {
        static const std::optional<Cups> loaded = load();
        return loaded;
    }

private:
    static std::optional<Cups> load() {
        void* handle = dlopen("libcups.so.2", RTLD_NOW | RTLD_GLOBAL);
        if (handle == nullptr) {
            return std::nullopt;
        }
        Cups c;
        bool found = true;
        const auto bind = [&](auto& function, const char* name) {
            function =
                reinterpret_cast<std::remove_reference_t<decltype(function)>>(dlsym(handle, name));
            found = found && function != nullptr;
        };
        bind(c.assembleUri, "httpAssembleURIf");
        bind(c.port, "ippPort");
        bind(c.newRequest, "ippNewRequest");
        bind(c.addString, "ippAddString");
        bind(c.addStrings, "ippAddStrings");
        bind(c.doRequest, "cupsDoRequest");
        bind(c.findAttribute, "ippFindAttribute");
        bind(c.getBoolean, "ippGetBoolean");
        bind(c.getInteger, "ippGetInteger");
        bind(c.getString, "ippGetString");
        bind(c.deleteRequest, "ippDelete");
        bind(c.lastError, "cupsLastError");
        bind(c.lastErrorString, "cupsLastErrorString");
        bind(c.errorString, "ippErrorString");
        return found ? std::optional<Cups>(c) : std::nullopt;
    }
};

// The queue as the print system reports it now; a print system that cannot
// be asked leaves the queue taken as accepting and running.
PrintQueue askQueue(const QPrinter& printer) {
    // An instance ("Office/draft") prints on its printer's queue.
    const QByteArray name = printer.printerName().section(QLatin1Char('/'), 0, 0).toUtf8();
    PrintQueue queue;
    queue.printer = name.toStdString();
    const std::optional<Cups>& cups = Cups::library();
    if (!cups) {
        return queue;
    }
    char uri[HTTP_MAX_URI];
    cups->assembleUri(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost",
                      cups->port(), "/printers/%s", name.constData());
    ipp_t* request = cups->newRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    cups->addString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    static const char* const wanted[] = {"printer-is-accepting-jobs", "printer-state",
                                         "printer-state-message"};
    cups->addStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                     int(std::size(wanted)), nullptr, wanted);
    ipp_t* response = cups->doRequest(CUPS_HTTP_DEFAULT, request, "/");  // frees the request
    if (response == nullptr) {
        return queue;
    }
    if (ipp_attribute_t* a =
            cups->findAttribute(response, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN)) {
        queue.acceptingJobs = cups->getBoolean(a, 0) != 0;
    }
    if (ipp_attribute_t* a = cups->findAttribute(response, "printer-state", IPP_TAG_ENUM)) {
        queue.paused = cups->getInteger(a, 0) == IPP_PSTATE_STOPPED;
    }
    if (ipp_attribute_t* a = cups->findAttribute(response, "printer-state-message", IPP_TAG_TEXT)) {
        queue.stateMessage = cups->getString(a, 0, nullptr);
    }
    cups->deleteRequest(response);
    return queue;
}

// QPrinter sends a job with the print system's library and drops its answer,
// which the library keeps for the thread: the words of a refusal of the last
// request, empty when it was taken.
std::string lastRequestRefusal() {
    const std::optional<Cups>& cups = Cups::library();
    if (!cups) {
        return {};
    }
    const ipp_status_t status = cups->lastError();
    if (status <= IPP_STATUS_OK_EVENTS_COMPLETE) {
        return {};
    }
    const char* words = cups->lastErrorString();
    return words != nullptr && *words != '\0' ? words : cups->errorString(status);
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
