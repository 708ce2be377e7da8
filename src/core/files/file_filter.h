// The filters of the file dialogs: what Open offers, and the extension a filter stands for, which
// a name typed without one is given.
#pragma once

#include <string>
#include <string_view>

namespace flowmar {

// "Flowmar File (*.dct);;Fan Database File (*.fdb);;JSON model (*.json);;All files (*)": the two
// document types' own filters first, then the JSON models and every file.
std::string openFileFilter();

// The extension of a filter's first pattern, with its dot: ".png" for "PNG image (*.png)";
// empty for a filter of every file ("All files (*)") or a text that is no filter.
std::string extensionOfFilter(std::string_view filter);

} // namespace flowmar
