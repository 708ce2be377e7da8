#include "core/model/document_templates.h"

#include <gtest/gtest.h>

namespace flowmar {
namespace {

TEST(DocumentTemplates, OnlyTheFirstDuctTemplateAndTheDatabaseCanBeCreatedOrOpened) {
    int creatable = 0;
    for (const DocumentTemplate& t : kDocumentTemplates) {
        if (!templateField(t.templateString, TemplateField::FileNewName).empty()) {
            ++creatable;
        }
    }
    EXPECT_EQ(creatable, 2);
    const DocumentTemplate* duct = findTemplate(templates::kSummaryOfInput);
    ASSERT_NE(duct, nullptr);
    EXPECT_EQ(templateField(duct->templateString, TemplateField::WindowTitle),
              "Summary of Input Data");
    EXPECT_EQ(templateField(duct->templateString, TemplateField::FileNewName), "Flowmar");
    EXPECT_EQ(templateField(duct->templateString, TemplateField::Filter), "Flowmar File (*.dct)");
    EXPECT_EQ(templateField(duct->templateString, TemplateField::ShellTypeName),
              "Flowmar Document");
    const DocumentTemplate* db = findTemplate(templates::kFanDatabase);
    ASSERT_NE(db, nullptr);
    EXPECT_EQ(templateField(db->templateString, TemplateField::Extension), ".fdb");
    EXPECT_EQ(
        templateField(findTemplate(templates::kGraph)->templateString, TemplateField::Extension),
        "");
    EXPECT_EQ(findTemplate(999), nullptr);
    EXPECT_EQ(untitledDocumentTitle(*duct, 1), "DuctData1");
}

} // namespace
} // namespace flowmar
