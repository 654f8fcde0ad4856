#include "shell/reportfilename.h"

#include <cstdio>

namespace corvell {
namespace {

bool fitsAFileName(unsigned char c) {
    if (c < 0x20 || c == 0x7F) {
        return false;
    }
    constexpr std::string_view kForbidden = "/\\:*?\"<>|";
    return kForbidden.find(static_cast<char>(c)) == std::string_view::npos;
}

std::string trimmed(const std::string& s) {
    const std::size_t first = s.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

std::string cleaned(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (fitsAFileName(static_cast<unsigned char>(c))) {
            out += c;
        }
    }
    return trimmed(out);
}

// Cuts at most `bytes` bytes, never inside a UTF-8 character.
std::string cutTo(std::string s, std::size_t bytes) {
    if (s.size() <= bytes) {
        return s;
    }
    std::size_t end = bytes;
    while (end > 0 && (static_cast<unsigned char>(s[end]) & 0xC0) == 0x80) {
        --end;
    }
    s.resize(end);
    return trimmed(s);
}

}  // namespace

namespace {

std::string firstLineCleaned(std::string_view caseCaption) {
    const std::string_view firstLine = caseCaption.substr(0, caseCaption.find_first_of("\r\n"));
    return cutTo(cleaned(firstLine), kFileNameCaptionBytes);
}

}  // namespace

std::string claimFileName(std::string_view caseCaption) {
    const std::string caption = firstLineCleaned(caseCaption);
    return (caption.empty() ? std::string("Untitled") : caption) + ".claim";
}

std::string reportFileName(std::string_view title, std::string_view caseCaption,
                           const LocalTime& day, std::string_view extension) {
    const std::string caption = firstLineCleaned(caseCaption);
    char date[32];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", day.year, day.month, day.day);
    std::string name;
    for (const std::string& part : {cleaned(title), caption}) {
        if (!part.empty()) {
            name += part + " - ";
        }
    }
    return name + date + "." + std::string(extension);
}

}  // namespace corvell
