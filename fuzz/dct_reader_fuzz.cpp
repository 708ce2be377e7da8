// libFuzzer target for the duct model reader: any bytes either load or fail with a message that
// names the file; a model that loads saves to bytes that load again and save identically.
#include "core/files/dct_file.h"
#include "core/model/flowmar_doc.h"

#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace flowmar;
    const DuctFileRead read = readDuctBytes(std::span(data, size), "fuzz.dct");
    if (!read.ok()) {
        if (read.error.rfind("Cannot open \"fuzz.dct\": ", 0) != 0) {
            std::abort();
        }
        return 0;
    }
    const auto first = ductFileBytes(*read.document);
    if (!first) {
        std::abort();
    }
    const DuctFileRead again = readDuctBytes(*first, "fuzz.dct");
    if (!again.ok() || ductFileBytes(*again.document) != first) {
        std::abort();
    }
    return 0;
}
