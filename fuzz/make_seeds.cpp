// Writes the seed files of fuzz/corpus with the program's own writers: sound models and
// databases, and damaged copies of them (cut short, an impossible text length, a count out of
// range). Usage: make_fuzz_seeds CORPUS-FOLDER (holding dct/ and fdb/).
#include "core/files/dct_file.h"
#include "core/files/fdb_file.h"
#include "support/file_models.h"

#include <bit>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
namespace fs = std::filesystem;

bool save(const fs::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::ssize(bytes));
    return out.good();
}

void putInt32(Bytes& b, std::size_t at, std::int32_t v) {
    const auto u = std::bit_cast<std::uint32_t>(v);
    for (std::size_t k = 0; k < 4; ++k) {
        b[at + k] = static_cast<std::uint8_t>(u >> (8 * k));
    }
}

} // namespace

int main(int argc, char** argv) {
    using namespace flowmar;
    if (argc != 2) {
        std::cerr << "usage: make_fuzz_seeds CORPUS-FOLDER\n";
        return 2;
    }
    const fs::path dct = fs::path(argv[1]) / "dct";
    const fs::path fdb = fs::path(argv[1]) / "fdb";
    fs::create_directories(dct);
    fs::create_directories(fdb);
    bool ok = true;

    const Bytes newModel = *ductFileBytes(CFlowmarDoc{});
    const Bytes working = *ductFileBytes(testing::smallWorkingModel());
    ok &= save(dct / "new-si.dct", newModel);
    ok &= save(dct / "working-model.dct", working);
    ok &= save(dct / "every-field.dct", *ductFileBytes(testing::everyFieldSet()));
    Bytes wideNotepad = newModel; // as older writers stored texts: FF FE FF, length, UTF-16LE
    wideNotepad.erase(wideNotepad.end() - 17);
    const Bytes wide{0xFF, 0xFE, 0xFF, 3, 'm', 0, 0xB3, 0, 0xA9, 0x03};
    wideNotepad.insert(wideNotepad.end() - 16, wide.begin(), wide.end());
    ok &= save(dct / "wide-notepad.dct", wideNotepad);
    Bytes cut = working;
    cut.resize(cut.size() / 2);
    ok &= save(dct / "damaged-cut-in-half.dct", cut);
    Bytes longNotepad = newModel;
    longNotepad[longNotepad.size() - 17] = 0xFE; // the notepad's length byte
    ok &= save(dct / "damaged-notepad-length.dct", longNotepad);
    Bytes manyFans = newModel;
    putInt32(manyFans, 184, 101);
    ok &= save(dct / "damaged-101-fans.dct", manyFans);

    const Bytes threeFans = *fanDatabaseFileBytes(testing::fanDatabase(3));
    ok &= save(fdb / "empty.fdb", *fanDatabaseFileBytes(CFanDatabaseDoc{}));
    ok &= save(fdb / "three-fans.fdb", threeFans);
    Bytes cutDatabase = threeFans;
    cutDatabase.resize(300);
    ok &= save(fdb / "damaged-cut.fdb", cutDatabase);
    Bytes tooMany = threeFans;
    putInt32(tooMany, 0, 101);
    ok &= save(fdb / "damaged-101-fans.fdb", tooMany);
    Bytes manyPoints = threeFans;
    putInt32(manyPoints, 12 + 8 + 8 + 7 + 3, 16); // fan 1: "Fläkt 1", "AX-901", "5°"
    ok &= save(fdb / "damaged-16-points.fdb", manyPoints);
    Bytes longText = threeFans;
    longText[20] = 0xFE; // fan 1's maker
    longText.resize(200);
    ok &= save(fdb / "damaged-text-length.fdb", longText);

    if (!ok) {
        std::cerr << "make_fuzz_seeds: could not write every seed\n";
        return 1;
    }
    return 0;
}
