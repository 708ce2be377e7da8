// The document templates of the program: one per view of a duct model and one for the fan
// database, each with its resource id and its template string (window title, document name,
// file-new name, file-dialog filter, extension, shell file-type id and name, by newlines).
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace flowmar {

namespace templates {
inline constexpr int kSummaryOfInput = 103;
inline constexpr int kSummaryOfResults = 107;
inline constexpr int kFanResults = 134;
inline constexpr int kFanInput = 131;
inline constexpr int kGraph = 130;
inline constexpr int kFanCurve = 133;
inline constexpr int kFanDatabase = 132;
inline constexpr int kDesignChecks = 136;
} // namespace templates

struct DocumentTemplate {
    int id;
    std::string_view templateString;
    bool fanDatabase; // false: a view of a duct model
};

// In the order they are registered at start-up.
inline constexpr std::array<DocumentTemplate, 8> kDocumentTemplates{{
    {templates::kSummaryOfInput,
     "Summary of Input Data\nDuctData\nFlowmar\nFlowmar File (*.dct)\n.dct\nFlowmar.Document\n"
     "Flowmar Document",
     false},
    {templates::kSummaryOfResults, "Results View\nResults View", false},
    {templates::kFanResults, "Fan Results\nFan Results", false},
    {templates::kFanInput, "Fan Input View\nFan Input View", false},
    {templates::kGraph, "Graph View\nGraph View", false},
    {templates::kFanCurve, "Fan Curve View\nFan Curve View", false},
    {templates::kDesignChecks, "Design Checks\nDesign Checks", false},
    {templates::kFanDatabase,
     "Fan Database\nFanData\nFan Database\nFan Database File (*.fdb)\n.fdb\n"
     "FanDatabaseDoc.Document\nFan Database Document",
     true},
}};

// The fields of a template string, in order; a field the string does not hold is empty.
enum class TemplateField {
    WindowTitle,
    DocumentName,
    FileNewName,
    Filter,
    Extension,
    ShellTypeId,
    ShellTypeName
};

std::string_view templateField(std::string_view templateString, TemplateField field);

// The template of a resource id, or nullptr.
const DocumentTemplate* findTemplate(int id);

// The title of the n-th new, unsaved document of a template: its document name and the number
// ("DuctData1", "FanData2").
std::string untitledDocumentTitle(const DocumentTemplate& documentTemplate, int number);

} // namespace flowmar
