#include "shell/savedwindow.h"

#include <cctype>
#include <nlohmann/json.hpp>

#include "shell/savedstate.h"

namespace corvell {

const std::string& textOf(const FieldTexts& texts, std::string_view field) {
    static const std::string none;
    const auto it = texts.find(field);
    return it == texts.end() ? none : it->second;
}

std::string windowName(WindowId id) {
    std::string title(windowTitle(id));
    for (std::string_view part : {"CORVELL'S ", " Calculator"}) {
        if (const auto at = title.find(part); at != std::string::npos) {
            title.erase(at, part.size());
        }
    }
    return title;
}

std::string fieldName(ControlName field) {
    std::string_view name = field.name();
    for (std::string_view prefix : {"txt", "lbl"}) {
        if (name.starts_with(prefix)) {
            name.remove_prefix(prefix.size());
        }
    }
    std::string words;
    for (const char c : name) {
        if (std::isupper(static_cast<unsigned char>(c)) && !words.empty()) {
            words += ' ';
        }
        words += c;
    }
    return words;
}

std::string changeLine(std::string_view where, std::string_view was, std::string_view now) {
    const auto shown = [](std::string_view figure) {
        return figure.empty() ? std::string("(none)") : std::string(figure);
    };
    return std::string(where) + ": " + shown(was) + " -> " + shown(now);
}

namespace {

nlohmann::json textsJson(const FieldTexts& texts) {
    nlohmann::json json = nlohmann::json::object();
    for (const auto& [name, text] : texts) {
        json[name] = text;
    }
    return json;
}

// An object of texts; a member that is not text is damage.
FieldTexts readTexts(const StateReader& saved) {
    FieldTexts texts;
    if (saved.json().is_null()) {
        return texts;
    }
    if (!saved.json().is_object()) {
        saved.fail("is not a group of named values");
    }
    for (const auto& [name, text] : saved.json().items()) {
        texts.emplace(name, saved[name].text());
    }
    return texts;
}

std::vector<std::string> readNames(const StateReader& saved) {
    std::vector<std::string> names;
    if (saved.json().is_null()) {
        return names;
    }
    for (std::size_t i = 0; i < saved.size(); ++i) {
        names.push_back(saved[i].text());
    }
    return names;
}

// A member that an older version did not write reads as null.
StateReader member(const StateReader& object, std::string_view key) {
    static const nlohmann::json none;
    const auto it = object.json().find(key);
    if (it == object.json().end()) {
        return StateReader(none, object.path() + "." + std::string(key));
    }
    return object[key];
}

}  // namespace

nlohmann::json savedWindowJson(const SavedWindow& window) {
    nlohmann::json json = {{"fields", textsJson(window.fields)}, {"disabled", window.disabled}};
    if (window.calculation) {
        json["calculation"] = {{"typed", textsJson(window.calculation->typed)},
                               {"figures", window.calculation->figures}};
    }
    for (const FieldTexts& typed : window.refused) {
        json["refused"].push_back(textsJson(typed));
    }
    if (!window.state.empty()) {
        nlohmann::json& state = json["state"];
        for (const auto& [name, value] : window.state) {
            nlohmann::json& member = state[name];
            std::visit([&member](const auto& v) { member = v; }, value);
        }
    }
    if (!window.ledger.empty()) {
        nlohmann::json& ledger = json["ledger"];
        for (const SavedEntry& entry : window.ledger) {
            nlohmann::json& saved = ledger.emplace_back(nlohmann::json{
                {"typed", textsJson(entry.typed)}, {"shown", textsJson(entry.shown)}});
            if (entry.entry != 0) {
                saved["entry"] = entry.entry;
            }
        }
    }
    return json;
}

SavedWindow readSavedWindow(const nlohmann::json& json, const std::string& path) {
    const StateReader saved(json, path);
    if (!json.is_object()) {
        saved.fail("is not a group of named values");
    }
    SavedWindow window;
    window.fields = readTexts(member(saved, "fields"));
    window.disabled = readNames(member(saved, "disabled"));
    if (const StateReader calculation = member(saved, "calculation");
        !calculation.json().is_null()) {
        window.calculation = CalculationTexts{readTexts(member(calculation, "typed")),
                                              readNames(member(calculation, "figures"))};
    }
    const StateReader refused = member(saved, "refused");
    for (std::size_t i = 0; !refused.json().is_null() && i < refused.size(); ++i) {
        window.refused.push_back(readTexts(refused[i]));
    }
    if (const StateReader state = member(saved, "state"); !state.json().is_null()) {
        if (!state.json().is_object()) {
            state.fail("is not a group of named values");
        }
        for (const auto& [name, value] : state.json().items()) {
            if (value.is_boolean()) {
                window.state.emplace(name, value.get<bool>());
            } else if (value.is_string()) {
                window.state.emplace(name, value.get<std::string>());
            } else {
                window.state.emplace(name, state[name].number());
            }
        }
    }
    const StateReader ledger = member(saved, "ledger");
    for (std::size_t i = 0; !ledger.json().is_null() && i < ledger.size(); ++i) {
        const StateReader entry = member(ledger[i], "entry");
        window.ledger.push_back(
            {readTexts(member(ledger[i], "typed")), readTexts(member(ledger[i], "shown")),
             entry.json().is_null() ? 0 : static_cast<int>(entry.whole(1, 100))});
    }
    return window;
}

}  // namespace corvell
