#include "core/model/document_templates.h"

namespace flowmar {

std::string_view templateField(std::string_view text, TemplateField field) {
    int index = static_cast<int>(field);
    while (index-- > 0) {
        const std::size_t newline = text.find('\n');
        if (newline == std::string_view::npos) {
            return {};
        }
        text.remove_prefix(newline + 1);
    }
    return text.substr(0, text.find('\n'));
}

const DocumentTemplate* findTemplate(int id) {
    for (const DocumentTemplate& t : kDocumentTemplates) {
        if (t.id == id) {
            return &t;
        }
    }
    return nullptr;
}

std::string untitledDocumentTitle(const DocumentTemplate& documentTemplate, int number) {
    return std::string(
               templateField(documentTemplate.templateString, TemplateField::DocumentName)) +
           std::to_string(number);
}

} // namespace flowmar
