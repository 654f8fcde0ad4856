// Opens a claim file in the browser edition's session, compiled natively,
// and prints every window's view as one JSON object, so that the page's
// tests can compare what the page shows with what the core works out:
//   {"opened": <the session's answer to opening it>, "views": {"<window>": <view>}}
// Exits 1 when the file cannot be read or the claim is refused.
//   claimview FILE

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "web/bridge/session.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: claimview FILE\n");
        return 2;
    }
    std::ifstream file(argv[1], std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "claimview: cannot read %s\n", argv[1]);
        return 1;
    }
    std::ostringstream text;
    text << file.rdbuf();

    using nlohmann::json;
    corvell::web::Session session;
    // Named as the page names a file it opens: without its folder.
    const std::string name = std::filesystem::path(argv[1]).filename().string();
    const json opened = json::parse(session.openClaim(name, text.str()));
    if (opened.contains("error")) {
        std::fprintf(stderr, "claimview: %s\n", opened["error"].get<std::string>().c_str());
        return 1;
    }
    json views = json::object();
    for (const json& window : json::parse(session.windows())) {
        const std::string name = window.get<std::string>();
        views[name] = json::parse(session.view(name));
    }
    std::cout << json{{"opened", opened}, {"views", views}}.dump() << '\n';
    return 0;
}
