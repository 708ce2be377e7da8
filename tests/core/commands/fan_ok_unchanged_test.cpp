// OK on a fan's dialogs with nothing changed stores nothing new: for every example model in both
// unit systems and every fan of the example database, Edit Fan with the curve editor opened and
// closed with OK leaves the input as it was, to the last digit. The dialogs are played as the
// windows play them: the texts they show, handed back as shown.
#include "core/commands/document_commands.h"
#include "core/commands/fan_commands.h"
#include "core/commands/fan_curve_dialogs.h"
#include "core/commands/fan_database_commands.h"
#include "core/fans/duct_fan.h"
#include "core/fans/fan_database_doc.h"
#include "core/files/fan_database_json.h"
#include "core/files/fdb_file.h"
#include "core/files/json_model.h"
#include "core/files/model_file.h"
#include "core/model/units.h"
#include "core/views/fan_database_grid.h"
#include "support/fake_ui_port.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace flowmar {
namespace {

namespace fs = std::filesystem;
using testing::FakeUiPort;

const char* unitName(int unitSystem) {
    return isImperial(unitSystem) ? "Imperial" : "SI";
}

// The curve editor answered as a person who presses OK at once; a curve it refuses is then
// cancelled, so a fan without a curve ends as it began.
void pressOkInCurveEditor(FakeUiPort& port) {
    port.onCurveEditor = [&port](CurveEditorValues& v) {
        if (!port.messages.empty()) {
            return false;
        }
        const CurveEditorTexts texts{v.manufacturer, v.model, v.setting};
        const std::string density = curveDensityText(v.curveDensity, v.unitSystem);
        const auto refusal = acceptCurveEditor(v, texts, density, curveEditorGrid(v));
        EXPECT_FALSE(refusal) << refusal->message;
        return !refusal;
    };
}

// The unit system chosen as Unit Conversion chooses it.
void convertTo(CFlowmarDoc& doc, int unitSystem) {
    FakeUiPort port;
    port.onSelectUnits = [unitSystem](int) { return unitSystem; };
    runUnitConversionCommand(doc, port);
    ASSERT_EQ(doc.unitSystem, unitSystem);
}

TEST(FanOkUnchanged, EveryFanOfEveryExampleModelInBothUnitSystems) {
    int fansEdited = 0;
    for (const auto& entry : fs::directory_iterator(FLOWMAR_EXAMPLES)) {
        if (entry.path().extension() != ".dct") {
            continue;
        }
        FileRead<CFlowmarDoc> read = readModelFile(entry.path());
        ASSERT_TRUE(read.ok()) << entry.path();
        for (const int units : {kSI, kImperial}) {
            CFlowmarDoc doc = *read.document;
            convertTo(doc, units);
            const std::string before = writeJsonModel(doc);
            const CFlowmarDoc original = doc;
            for (int fan = 1; fan <= doc.fanCount; ++fan) {
                SCOPED_TRACE(entry.path().filename().string() + ", " + unitName(units) + ", fan " +
                             std::to_string(fan));
                const bool hasCurve = doc.fanCurvePointCount[fan] >= 2;
                FakeUiPort port;
                port.onFanNumber = [fan](FanNumberDialog, int& n) {
                    n = fan;
                    return true;
                };
                pressOkInCurveEditor(port);
                port.onAddEditFan = [&port](AddFanValues& v) {
                    editFanCurve(v, port);
                    EXPECT_FALSE(acceptAddFanEditTexts(v, addFanEditTexts(v)));
                    v.useFixedPressure = v.useFixedPressure == 1 ? 1 : 0; // the check box
                    return true;
                };
                runEditFanCommand(doc, port);
                if (hasCurve) {
                    EXPECT_TRUE(port.messages.empty()) << port.messages.front();
                }
                EXPECT_EQ(ductFanOf(doc, fan), ductFanOf(original, fan));
                ++fansEdited;
            }
            EXPECT_EQ(writeJsonModel(doc), before)
                << entry.path().filename() << " in " << unitName(units);
        }
    }
    EXPECT_GE(fansEdited, 10);
}

TEST(FanOkUnchanged, EveryFanOfTheExampleDatabaseInBothUnitSystems) {
    FanDatabaseFileRead read = readFanDatabaseFile(fs::path(FLOWMAR_EXAMPLES) / "fan-database.fdb");
    ASSERT_TRUE(read.ok());
    ASSERT_GE(read.document->fanCount, 5);
    for (const int units : {kSI, kImperial}) {
        CFanDatabaseDoc db = *read.document;
        db.unitSystem = units;
        const std::string json = writeJsonFanDatabase(db);
        // Edit Fan remembers the number typed; the file keeps it.
        CFanDatabaseDoc expected = db;
        expected.lastEditedFan = db.fanCount;
        const auto bytes = fanDatabaseFileBytes(expected);
        for (int fan = 1; fan <= db.fanCount; ++fan) {
            SCOPED_TRACE(std::string(unitName(units)) + ", fan " + std::to_string(fan));
            FakeUiPort port;
            port.onFanNumber = [fan](FanNumberDialog, int& n) {
                n = fan;
                return true;
            };
            pressOkInCurveEditor(port);
            runDatabaseEditFanCommand(db, port);
            EXPECT_TRUE(port.messages.empty()) << port.messages.front();
            EXPECT_EQ(db.fans[fan], read.document->fans[fan]);
        }
        EXPECT_EQ(writeJsonFanDatabase(db), json);
        EXPECT_EQ(fanDatabaseFileBytes(db), bytes);
    }
}

} // namespace
} // namespace flowmar
