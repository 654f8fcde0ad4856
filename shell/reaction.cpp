#include "shell/reaction.h"

namespace corvell {

Reaction Reaction::refuse(std::string text, ControlName control, Caret caret) {
    Reaction r;
    r.message = Message{std::move(text), {}};
    r.focus = Focus{control, caret};
    return r;
}

Reaction Reaction::say(std::string text, std::string title) {
    Reaction r;
    r.message = Message{std::move(text), std::move(title)};
    return r;
}

Reaction Reaction::ask(Question question) {
    Reaction r;
    r.question = std::move(question);
    return r;
}

Reaction Reaction::focusOn(ControlName control, Caret caret) {
    Reaction r;
    r.focus = Focus{control, caret};
    return r;
}

Reaction Reaction::printing(PrintJob job) {
    // Every page of a report carries its case caption at the foot, whichever
    // window made it.
    job.make = [make = std::move(job.make), caption = job.caseCaption](const LocalTime& at) {
        report::Document document = make(at);
        document.pageCaption(caption);
        return document;
    };
    Reaction r;
    r.print = std::move(job);
    return r;
}

Reaction Reaction::open(WindowId window) {
    Reaction r;
    r.show = window;
    return r;
}

Reaction Reaction::moveTo(WindowId window) {
    Reaction r = open(window);
    r.hideSelf = true;
    return r;
}

Reaction Reaction::quit() {
    Reaction r;
    r.endProcess = true;
    return r;
}

Reaction& Reaction::then(Reaction later) {
    if (later.message) {
        message = std::move(later.message);
    }
    if (later.question) {
        question = std::move(later.question);
    }
    if (later.focus) {
        focus = std::move(later.focus);
    }
    if (later.print) {
        print = std::move(later.print);
    }
    if (later.show) {
        show = later.show;
    }
    hideSelf = hideSelf || later.hideSelf;
    endProcess = endProcess || later.endProcess;
    return *this;
}

bool Reaction::empty() const {
    return !message && !question && !focus && !print && !show && !hideSelf && !endProcess;
}

}  // namespace corvell
