// libFuzzer target for the notes of the recovery folder: any text is either a note or refused
// with a reason, and a note that is accepted names a copy beside it, of its own name, in a form of
// its own kind, never a file elsewhere.
#include "core/files/recovery_store.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace flowmar;
    const std::filesystem::path note = "/recovery/p1x2n0-3.recovery.json";
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    RecoveryCopy copy;
    const std::string fault = readRecoveryNoteText(text, note, copy);
    if (!fault.empty()) {
        return 0;
    }
    const std::string name = copy.copy.filename().string();
    const bool beside = copy.copy.parent_path() == note.parent_path();
    const bool ownName = name.starts_with("p1x2n0-3.") && name.find('/') == std::string::npos;
    const bool ownForm = copy.kind == RecoveryKind::FanDatabase
                             ? name == "p1x2n0-3.fdb" || name == "p1x2n0-3.json"
                             : name == "p1x2n0-3.dct" || name == "p1x2n0-3.json";
    if (!beside || !ownName || !ownForm) {
        std::abort();
    }
    return 0;
}
