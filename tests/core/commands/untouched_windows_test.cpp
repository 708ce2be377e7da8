// OK on a window with nothing changed leaves the model exactly as it was: the boxes show rounded
// texts, and Imperial units convert there and back, but neither may reach the stored input.
#include "core/commands/document_commands.h"
#include "core/files/json_model.h"
#include "core/files/model_file.h"
#include "core/input/duct_details_sheet.h"
#include "core/model/flowmar_doc.h"
#include "core/model/units.h"
#include "core/views/shock_loss_sheet.h"
#include "core/views/zones_grid.h"
#include "support/fake_ui_port.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace flowmar {
namespace {

namespace fs = std::filesystem;

struct ModelCase {
    std::string name; // an example file, or a model built with digits beyond every box
    int unitSystem;
};

std::unique_ptr<CFlowmarDoc> openCase(const ModelCase& c) {
    std::unique_ptr<CFlowmarDoc> doc;
    if (c.name == "digits") {
        FileRead<CFlowmarDoc> read = readModelFile(fs::path(FLOWMAR_EXAMPLES) / "boosters.dct");
        doc = std::move(read.document);
        doc->ductLength = 1234.5678;
        doc->ductDiameter = 0.1 + 0.2 + 0.9;
        doc->frictionFactor = 0.00345;
        doc->airDensity = 1.2345678;
        doc->leakageResistance100 = 12345;
        doc->fixedQuantity = 6.0761234567;
        doc->zonesOff = 0;
        doc->zoneStart[1] = 0;
        doc->zoneEnd[1] = 617.28391;
        doc->zoneDiameter[1] = 1.0 / 3.0;
        doc->zoneFrictionFactor[1] = 0.0031234567;
        doc->zoneLeakageResistance100[1] = 1234.56789;
        doc->zoneStart[2] = 617.28391;
        doc->zoneEnd[2] = 1234.5678;
        doc->zoneDiameter[2] = 0.91234567;
        doc->zoneFrictionFactor[2] = 0.0025;
        doc->zoneLeakageResistance100[2] = 23456.789;
        doc->smoothElbowDistance[1] = 123.456789;
        doc->fixedResistanceDistance[1] = 987.654321;
        doc->fixedResistanceValue[1] = 0.123456789;
    } else {
        FileRead<CFlowmarDoc> read = readModelFile(fs::path(FLOWMAR_EXAMPLES) / c.name);
        EXPECT_TRUE(read.ok()) << c.name;
        doc = std::move(read.document);
    }
    doc->unitSystem = c.unitSystem;
    return doc;
}

// Every page of the sheet is shown in turn and OK pressed, as a person would click through.
bool okDuctDetailsUnchanged(DuctDetailsValues& values) {
    DuctDetailsSheet sheet(values);
    for (int page = 0; page < duct_details::kPageCount; ++page) {
        const auto fault = sheet.showPage(page);
        EXPECT_FALSE(fault) << "page " << page << ": " << fault->message;
    }
    // The zones grid filled and read back as the window does on OK.
    const GridContent grid = zonesGridContent(sheet.zones().rows(), values.unitSystem);
    sheet.zones().setEntryFault(readZonesGrid(grid, sheet.zones().rows()));
    const auto fault = sheet.accept();
    EXPECT_FALSE(fault) << fault->message;
    values = sheet.values();
    return true;
}

bool okShockLossesUnchanged(ShockLossValues& values) {
    ShockLossSheet sheet(values);
    for (const ShockLossPageInfo& info : shockLossPages()) {
        sheet.openPage(info.page);
    }
    const auto fault = sheet.entryFault();
    EXPECT_FALSE(fault) << fault->fault.message;
    values = sheet.accept();
    return true;
}

bool okFixedQuantityUnchanged(FixedQuantityValues& values) {
    const std::variant<double, std::string> read =
        readFixedQuantity(fixedQuantityBox(values.fixedQuantity), values.unitSystem);
    if (const auto* quantity = std::get_if<double>(&read)) {
        values.fixedQuantity = *quantity;
        return true;
    }
    return false; // a quantity the dialog refuses as it stands: the person cancels
}

std::vector<ModelCase> everyModelInBothUnits() {
    std::vector<ModelCase> cases;
    std::vector<std::string> names{"digits"};
    for (const auto& entry : fs::directory_iterator(FLOWMAR_EXAMPLES)) {
        const std::string extension = entry.path().extension().string();
        if (extension == ".dct" ||
            (extension == ".json" && entry.path().stem() != "fan-database")) {
            names.push_back(entry.path().filename().string());
        }
    }
    for (const std::string& name : names) {
        cases.push_back({name, kSI});
        cases.push_back({name, kImperial});
    }
    return cases;
}

class OkWithoutAChange : public ::testing::TestWithParam<ModelCase> {};

TEST_P(OkWithoutAChange, LeavesTheModelsInputAsItWas) {
    const ModelCase& c = GetParam();
    std::unique_ptr<CFlowmarDoc> doc = openCase(c);
    ASSERT_TRUE(doc);
    const std::string before = writeJsonModel(*doc);

    testing::FakeUiPort port;
    port.onDuctDetails = okDuctDetailsUnchanged;
    port.onShockLosses = okShockLossesUnchanged;
    port.onFixedQuantity = okFixedQuantityUnchanged;
    EXPECT_TRUE(runDuctDetailsCommand(*doc, port));
    EXPECT_EQ(writeJsonModel(*doc), before) << "Duct Details";
    EXPECT_TRUE(runShockLossesCommand(*doc, port));
    EXPECT_EQ(writeJsonModel(*doc), before) << "Shock Losses";
    runFixedQuantityToolCommand(*doc, port);
    EXPECT_EQ(writeJsonModel(*doc), before) << "Fixed Quantity Tool";
}

INSTANTIATE_TEST_SUITE_P(Examples, OkWithoutAChange, ::testing::ValuesIn(everyModelInBothUnits()),
                         [](const ::testing::TestParamInfo<ModelCase>& param) {
                             std::string name = param.param.name;
                             for (char& ch : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(ch))) {
                                     ch = '_';
                                 }
                             }
                             return name +
                                    (isImperial(param.param.unitSystem) ? "_Imperial" : "_SI");
                         });

} // namespace
} // namespace flowmar
