// Open of a duct model: read the file into a newly constructed model and, once it has loaded,
// run Execute on it so that its results are there when the first view shows it.
#pragma once

#include <filesystem>

namespace flowmar {

class CFlowmarDoc;
class UiPort;

// Reads the ".dct" file at `path`. On failure shows the message ("Cannot open "<file>": ...")
// through the port, leaves `doc` untouched and returns false. On success `doc` takes every
// field of the file and the defaults of a new model for the rest (it keeps its own title,
// modified flag and views), Execute runs on it (which marks it modified and may show its own
// messages), and the result is true whatever Execute found.
bool openDuctModel(const std::filesystem::path& path, CFlowmarDoc& doc, UiPort& port);

} // namespace flowmar
