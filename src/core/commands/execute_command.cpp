#include "core/commands/execute_command.h"

#include "core/commands/document_commands.h"
#include "core/engine/execute.h"
#include "core/model/flowmar_doc.h"
#include "core/ui_port.h"

namespace flowmar {

ExecuteResult Execute(CFlowmarDoc& doc, UiPort& port) {
    ExecuteResult run;
    {
        WaitCursor wait(port);
        run = Execute(doc);
    }
    for (const std::string& message : run.messages) {
        port.showMessage(message, MessageIcon::Warning);
    }
    switch (run.sheet) {
    case InputSheet::DuctDetails:
        runDuctDetailsAtPage(doc, port, run.sheetPage);
        break;
    case InputSheet::ShockLosses:
        runShockLossesCommand(doc, port);
        assembleShockLossesAfterSheet(doc);
        break;
    case InputSheet::None:
        break;
    }
    return run;
}

} // namespace flowmar
