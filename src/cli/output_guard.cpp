#include "cli/output_guard.h"

#include "core/files/model_file.h"
#include "core/model/messages.h"

#include <filesystem>
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
            return messages::outputIsAnInput(option, output);
        }
    }
    // A symlink named "table.csv" that points at a model is caught through its target.
    std::error_code ec;
    const fs::path target = fs::weakly_canonical(output, ec);
    if (!mayBeModel && (fileKindOf(output) != FileKind::Unknown ||
                        (!ec && fileKindOf(target) != FileKind::Unknown))) {
        return messages::outputIsAModelFile(option, output);
    }
    return {};
}

} // namespace flowmar::cli
