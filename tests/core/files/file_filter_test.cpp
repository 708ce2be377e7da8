#include "core/files/file_filter.h"

#include <gtest/gtest.h>

#include <string>

namespace flowmar {
namespace {

TEST(OpenFileFilter, OffersBothDocumentTypesThenJsonAndEveryFile) {
    EXPECT_EQ(openFileFilter(), "Flowmar File (*.dct);;Fan Database File (*.fdb);;"
                                "JSON model (*.json);;All files (*)");
}

struct FilterCase {
    const char* why;
    const char* filter;
    const char* extension;
};

TEST(ExtensionOfFilter, IsTheFirstPatternsExtension) {
    const FilterCase cases[] = {
        {"a picture type", "PNG image (*.png)", ".png"},
        {"the model's own filter", "Flowmar File (*.dct)", ".dct"},
        {"two patterns: the first one names the type", "Pictures (*.svg *.png)", ".svg"},
        {"every file: no extension to add", "All files (*)", ""},
        {"no pattern at all", "Pictures", ""},
        {"an empty filter (the dialog reported none)", "", ""},
    };
    for (const FilterCase& c : cases) {
        EXPECT_EQ(extensionOfFilter(c.filter), c.extension) << c.why;
    }
}

} // namespace
} // namespace flowmar
