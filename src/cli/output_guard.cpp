#include "cli/output_guard.h"

#include "cli/cli_texts.h"
#include "core/files/atomic_file.h"
#include "core/files/model_file.h"

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <span>
#include <system_error>

namespace flowmar::cli {

namespace fs = std::filesystem;

bool sameFile(const std::string& a, const std::string& b) {
    if (a == kStandardStream || b == kStandardStream) {
        return false;
    }
    std::error_code ec;
    if (fs::equivalent(a, b, ec)) {
        return true;
    }
    // A name not yet written cannot be equivalent to anything, but a symlink to a missing file
    // or a "dir/../model.json" may still be the same path once resolved.
    std::error_code ecA;
    std::error_code ecB;
    const fs::path canonicalA = fs::weakly_canonical(a, ecA);
    const fs::path canonicalB = fs::weakly_canonical(b, ecB);
    return !ecA && !ecB && canonicalA == canonicalB;
}

std::string outputFault(std::string_view option, const std::string& output,
                        const std::vector<std::string>& inputs, bool mayBeModel) {
    if (output == kStandardStream) {
        return {};
    }
    for (const std::string& input : inputs) {
        if (sameFile(output, input)) {
            return cli_texts::outputIsAnInput(option, output);
        }
    }
    // A symlink named "table.csv" that points at a model is caught through its target.
    std::error_code ec;
    const fs::path target = fs::weakly_canonical(output, ec);
    if (!mayBeModel && (fileKindOf(output) != FileKind::Unknown ||
                        (!ec && fileKindOf(target) != FileKind::Unknown))) {
        return cli_texts::outputIsAModelFile(option, output);
    }
    return {};
}

// Through the same atomic save as the models, so a failed write never leaves half a file.
bool writeTextFile(const std::string& path, const std::string& text, std::ostream& err) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    const FileStatus written =
        writeFileAtomically(path, std::span<const std::uint8_t>(bytes, text.size()));
    if (!written.ok()) {
        err << written.error << '\n';
        return false;
    }
    return true;
}

bool writeText(const std::string& path, const std::string& text, std::ostream& out,
               std::ostream& err) {
    if (path == kStandardStream) {
        out << text;
        return static_cast<bool>(out);
    }
    return writeTextFile(path, text, err);
}

} // namespace flowmar::cli
