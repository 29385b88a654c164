// Any bytes as a session file: the reader must neither crash nor hang, and a
// file it accepts must come back the same through a write and a second read.
#include "ui/main/Session_Format.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    Session_Format::Session_State state;
    std::string problem;
    if (!Session_Format::Read(bytes, state, problem)) {
        if (problem.empty()) std::abort(); // a refusal always says why
        return 0;
    }
    const std::string written = Session_Format::Write(state);
    Session_Format::Session_State again;
    if (!Session_Format::Read(written, again, problem)) std::abort();
    if (!Session_Format::Same(state, again)) std::abort();
    if (Session_Format::Write(again) != written) std::abort();
    return 0;
}
