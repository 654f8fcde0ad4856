#include "shell/ratefield.h"

#include "shell/format.h"
#include "shell/refusals.h"

namespace corvell {

Reaction leaveRateField(std::string& text, const NumberField& field) {
    if (const NumberRead read = readField(field, text); !read) {
        return refused(*read.refusal);
    }
    text = Format(text, "###0.00");
    return {};
}

}  // namespace corvell
