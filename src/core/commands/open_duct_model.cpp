#include "core/commands/open_duct_model.h"

#include "core/commands/execute_command.h"
#include "core/files/dct_file.h"
#include "core/model/flowmar_doc.h"
#include "core/ui_port.h"

namespace flowmar {

bool openDuctModel(const std::filesystem::path& path, CFlowmarDoc& doc, UiPort& port) {
    DuctFileRead read = readDuctFile(path);
    if (!read.ok()) {
        port.showMessage(read.error);
        return false;
    }
    // The document's own state (title, modified flag) goes with it; its views stay subscribed,
    // since copying a document never copies its observers.
    static_cast<DocumentState&>(*read.document) = static_cast<const DocumentState&>(doc);
    doc = *read.document;
    Execute(doc, port);
    return true;
}

} // namespace flowmar
