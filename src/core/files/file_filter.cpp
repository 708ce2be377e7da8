#include "core/files/file_filter.h"

#include "core/model/document_templates.h"
#include "core/model/string_table.h"

namespace flowmar {

std::string openFileFilter() {
    std::string filter;
    for (const int id : {templates::kSummaryOfInput, templates::kFanDatabase}) {
        filter += templateField(findTemplate(id)->templateString, TemplateField::Filter);
        filter += ";;";
    }
    filter += labels::kJsonModelFilter;
    filter += ";;";
    filter += labels::kAllFilesFilter;
    return filter;
}

std::string extensionOfFilter(std::string_view filter) {
    const std::size_t star = filter.find("(*.");
    if (star == std::string_view::npos) {
        return {};
    }
    const std::size_t dot = star + 2;
    const std::size_t end = filter.find_first_of(" ;)", dot);
    if (end == std::string_view::npos || end == dot + 1) {
        return {};
    }
    return std::string(filter.substr(dot, end - dot));
}

} // namespace flowmar
