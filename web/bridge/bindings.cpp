// The session as the page's script sees it (embind): new Module.Session(),
// then its methods, each taking and giving strings, numbers and booleans.

#include <emscripten/bind.h>

#include "web/bridge/session.h"

EMSCRIPTEN_BINDINGS(corvell) {
    using corvell::web::Session;
    emscripten::class_<Session>("Session")
        .constructor<>()
        .function("windows", &Session::windows)
        .function("layout", &Session::layout)
        .function("view", &Session::view)
        .function("setText", &Session::setText)
        .function("fire", &Session::fire)
        .function("handles", &Session::handles)
        .function("answer", &Session::answer)
        .function("print", &Session::print)
        .function("worksheet", &Session::worksheet)
        .function("claimText", &Session::claimText)
        .function("openClaim", &Session::openClaim)
        .function("newClaim", &Session::newClaim)
        .function("saved", &Session::saved)
        .function("modified", &Session::modified)
        .function("proposedFileName", &Session::proposedFileName);
}
