// The example duct models as the program opens them (read, then executed), for the Qt tests.
#pragma once

#include "core/commands/open_documents.h"
#include "core/model/flowmar_doc.h"
#include "support/fake_ui_port.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace flowmar::testing {

inline std::filesystem::path examplePath(const std::string& name) {
    return std::filesystem::path(FLOWMAR_EXAMPLES) / name;
}

// Opens examples/<name> into doc, failing the test when it does not load or solve.
inline void openExample(const std::string& name, CFlowmarDoc& doc) {
    FakeUiPort port;
    OpenDocuments documents(port);
    const OpenDocuments::Opened opened = documents.open(examplePath(name));
    ASSERT_NE(opened.document, nullptr) << name;
    doc = *opened.document->model;
    ASSERT_NE(doc.ductArea, 0) << name << ": " << ::testing::PrintToString(port.messages);
}

} // namespace flowmar::testing
