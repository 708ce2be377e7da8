#include "core/commands/execute_command.h"
#include "core/fans/fan_database_doc.h"
#include "core/files/fan_database_json.h"
#include "core/files/json_model.h"
#include "core/model/flowmar_doc.h"
#include "core/model/messages.h"
#include "support/fake_ui_port.h"
#include "support/file_models.h"
#include "support/models.h"

#include <gtest/gtest.h>

#include <ostream>

namespace flowmar {
namespace {

// A model with something in every list.
CFlowmarDoc fullModel() {
    CFlowmarDoc doc = testing::ductModel(1500, 1.1);
    doc.unitSystem = 0;
    doc.ductType = kExhausting;
    doc.leakageResistance100 = 5000;
    doc.executionMode = 2;
    doc.notepadText = "Drive 3 — Ø 1.1 m, 0.5 m³/s per m² at the face";
    doc.entryShockFactor = 0.5;
    doc.exitShockFactor = 1.0;
    doc.entryTypeIndex = 1;
    doc.exitTypeIndex = 1;
    doc.zonesOff = 0;
    doc.autoTransitionOff = 0;
    const double ends[] = {600, 900, 1500};
    const double diameters[] = {1.1, 0.9, 1.1};
    for (int z = 1; z <= 3; ++z) {
        doc.zoneStart[z] = z == 1 ? 0 : ends[z - 2];
        doc.zoneEnd[z] = ends[z - 1];
        doc.zoneDiameter[z] = diameters[z - 1];
        doc.zoneFrictionFactor[z] = 0.0025;
        doc.zoneLeakageResistance100[z] = 8000;
    }
    doc.smoothElbowDistance[1] = 300;
    doc.smoothElbowFactor[1] = 0.21;
    doc.smoothElbowText1[1] = "1.5";
    doc.smoothElbowText2[1] = "90";
    doc.mitredElbowDistance[1] = 450;
    doc.mitredElbowFactor[1] = 1.1;
    doc.mitredElbowText[1] = "90";
    doc.damperDistance[1] = 700;
    doc.damperFactor[1] = 0.52;
    doc.damperText[1] = "10";
    doc.screenDistance[1] = 1500;
    doc.fixedResistanceDistance[1] = 1200;
    doc.fixedResistanceValue[1] = 2.5;
    testing::addCurveFan(doc, 0, {{4000, 8, 65}, {3000, 14, 78}, {1500, 20, 70}});
    testing::addFixedPressureFan(doc, 800, 1200);
    doc.fanManufacturer[1] = "Quarry Fans";
    doc.fanModel[1] = "QF-1100";
    doc.fanSetting[1] = "35°";
    doc.designCriteria.requiredFaceQuantity = 12.5;
    doc.designCriteria.velocityMax = 20;
    return doc;
}

TEST(JsonModel, RoundTripGivesTheSameTextAndTheSameSolution) {
    CFlowmarDoc original = fullModel();
    const std::string text = writeJsonModel(original);
    CFlowmarDoc read;
    ASSERT_EQ(readJsonModel(text, read), "");
    EXPECT_EQ(writeJsonModel(read), text);
    EXPECT_EQ(read.fanCurvePointCount[1], 3);
    EXPECT_EQ(read.fanCurvePressure[4][1], 0) << "the free-delivery point is derived again";
    EXPECT_GT(read.fanCurveQuantity[4][1], 20);
    EXPECT_EQ(read.fanFixedPressureTag[2], 1);
    EXPECT_EQ(read.fanFixedPressureFlag[2], 1);
    EXPECT_EQ(read.fanHasCurve[1], 1);
    EXPECT_EQ(read.fanHasCurve[2], 0);
    EXPECT_EQ(read.fanDistance[1], 0.00001);
    EXPECT_EQ(read.fanSetting[1], "35°");
    EXPECT_EQ(read.designCriteria.requiredFaceQuantity, 12.5);
    EXPECT_EQ(read.designCriteria.velocityMax, 20);
    EXPECT_FALSE(read.designCriteria.velocityMin) << "a criterion left open stays open";
    EXPECT_FALSE(read.designCriteria.maxLeakageShare);

    testing::FakeUiPort port;
    ASSERT_TRUE(Execute(original, port)) << ::testing::PrintToString(port.messages);
    ASSERT_TRUE(Execute(read, port));
    EXPECT_EQ(read.results.branchFlow, original.results.branchFlow);
}

TEST(JsonModel, AModelWithoutCriteriaWritesNoCriteriaKey) {
    const std::string text = writeJsonModel(testing::ductModel(1000, 0.8));
    EXPECT_EQ(text.find("designCriteria"), std::string::npos);
    CFlowmarDoc read;
    read.designCriteria.requiredFaceQuantity = 3;
    ASSERT_EQ(readJsonModel(text, read), "");
    EXPECT_FALSE(read.designCriteria.anySet()) << "criteria of the model read before are gone";
}

TEST(JsonModel, KeysLeftOutTakeTheNewModelDefaults) {
    CFlowmarDoc read;
    read.ductLength = 99;
    ASSERT_EQ(readJsonModel(R"({"ductLength": 1000, "ductDiameter": 0.9})", read), "");
    const CFlowmarDoc fresh;
    EXPECT_EQ(read.ductLength, 1000);
    EXPECT_EQ(read.leakageResistance100, fresh.leakageResistance100);
    EXPECT_EQ(read.leakagePathCount, 99);
    EXPECT_EQ(read.frictionFactor, 0.002);
    EXPECT_EQ(read.fanCount, 0);
    EXPECT_EQ(readJsonModel("{}", read), "");
    EXPECT_EQ(read.ductLength, 0);
}

TEST(JsonModel, ReplacesTheModelOnlyWhenTheWholeTextIsValid) {
    CFlowmarDoc doc;
    doc.setTitle("Drive 3");
    doc.ductLength = 77;
    int heard = 0;
    const auto token = doc.observers().subscribe([&](DocumentEvent) { ++heard; });
    EXPECT_NE(readJsonModel(R"({"ductLength": 1000, "ductDiameter": "wide"})", doc), "");
    EXPECT_EQ(doc.ductLength, 77);
    ASSERT_EQ(readJsonModel(R"({"ductLength": 1000})", doc), "");
    EXPECT_EQ(doc.ductLength, 1000);
    EXPECT_EQ(doc.title(), "Drive 3");
    doc.updateAllViews();
    EXPECT_EQ(heard, 1) << "the views stay with the document";
}

struct RefusalCase {
    const char* why;
    const char* text;
    std::string message;
    friend void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.why; }
};

class JsonModelRefusal : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(JsonModelRefusal, NamesTheKeyAtFault) {
    CFlowmarDoc doc;
    EXPECT_EQ(readJsonModel(GetParam().text, doc), GetParam().message) << GetParam().why;
}

INSTANTIATE_TEST_SUITE_P(
    JsonModel, JsonModelRefusal,
    ::testing::Values(
        RefusalCase{"a typo", R"({"ductLenght": 1000})", "Unknown key \"ductLenght\"."},
        RefusalCase{"a text for a number", R"({"airDensity": "1.2"})",
                    "The key \"airDensity\" must be a number."},
        RefusalCase{"a fraction for a count", R"({"leakagePathCount": 9.5})",
                    "The key \"leakagePathCount\" must be a whole number within the 32-bit "
                    "range."},
        RefusalCase{"too many leakage paths", R"({"leakagePathCount": 150})",
                    "The key \"leakagePathCount\" must lie between 0 and 99."},
        RefusalCase{"a number for a flag", R"({"fans": [{"useFixedPressure": 1}]})",
                    "The key \"useFixedPressure\" in \"fans\" entry 1 must be true or false."},
        RefusalCase{"an unknown key in a list entry", R"({"screens": [{"distance": 5, "c": 1}]})",
                    "Unknown key \"c\" in \"screens\" entry 1."},
        RefusalCase{"eleven zones", R"({"zones": [{},{},{},{},{},{},{},{},{},{},{}]})",
                    "The list \"zones\" holds 11 entries; at most 10 fit."},
        RefusalCase{"a list that is no list", R"({"fans": {}})",
                    "The key \"fans\" must be a list."},
        RefusalCase{"a refused curve names the fan",
                    R"({"fans": [{"points": [{"pressure": 1, "quantity": 1}]},
                                 {"points": [{"pressure": 2000, "quantity": 20},
                                             {"pressure": 1000, "quantity": 10}]}]})",
                    "Fan 1: " + std::string(messages::kCurveTooFewPoints)},
        RefusalCase{"not an object", "[1, 2]", "The model must be a JSON object."},
        RefusalCase{"a number beyond a double stops the parser itself", R"({"ductLength": 1e309})",
                    "The model holds a number too large to be read."},
        RefusalCase{"more sweeps than the General page takes", R"({"iterationLimit": 100001})",
                    "The key \"iterationLimit\" is refused: the iteration limit (100001) lies "
                    "above 100,000, the most the General page takes."},
        RefusalCase{"a duct type outside its list is never read as one of its values",
                    R"({"ductType": 0})",
                    "The model is refused: the duct type (0) must be 1 (forcing) or 2 "
                    "(exhausting)."},
        RefusalCase{"an unknown design criterion", R"({"designCriteria": {"faceQ": 3}})",
                    "Unknown key \"faceQ\" in \"designCriteria\"."},
        RefusalCase{"criteria that are no object", R"({"designCriteria": 3})",
                    "The key \"designCriteria\" must be an object."},
        RefusalCase{"a share above one", R"({"designCriteria": {"maxLeakageShare": 1.5}})",
                    "The key \"maxLeakageShare\" in \"designCriteria\" must lie from 0 to 1."},
        RefusalCase{"no face quantity to require",
                    R"({"designCriteria": {"requiredFaceQuantity": 0}})",
                    "The key \"requiredFaceQuantity\" in \"designCriteria\" must be above 0."},
        RefusalCase{"a velocity range upside down",
                    R"({"designCriteria": {"velocityMin": 20, "velocityMax": 5}})",
                    "In \"designCriteria\", \"velocityMin\" must not exceed \"velocityMax\"."},
        RefusalCase{"a solution mode outside its list", R"({"solutionMode": 2})",
                    "The model is refused: the solution mode (2) must be 0 (fixed quantity) or 1 "
                    "(fans)."}));

TEST(JsonModel, IterationLimitsUpToTheGeneralPagesMostAreKept) {
    CFlowmarDoc doc;
    EXPECT_EQ(readJsonModel(R"({"iterationLimit": 100000})", doc), "");
    EXPECT_EQ(doc.iterationLimit, 100000);
    EXPECT_EQ(readJsonModel(R"({"iterationLimit": 7})", doc), "") << "below 100 stays too";
    EXPECT_EQ(doc.iterationLimit, 7);
}

TEST(JsonModel, InvalidJsonSaysWhere) {
    CFlowmarDoc doc;
    const std::string message = readJsonModel("{\"ductLength\": }", doc);
    EXPECT_EQ(message.rfind("The model is not valid JSON: ", 0), 0u) << message;
}

// What a person reads when a hand-edited model does not parse: the fault in words and where it
// is, never the parser's internal numbering.
TEST(JsonModel, AListFarBeyondAnyModelIsRefusedBeforeParsing) {
    std::string text = R"({"zones": [)";
    for (int i = 0; i < 100'000; ++i) {
        text += i == 0 ? "{}" : ",{}";
    }
    text += "]}";
    CFlowmarDoc doc;
    EXPECT_EQ(readJsonModel(text, doc),
              "The model holds 100001 objects; no model or fan database holds more than 4000, so "
              "a list in it is longer than it can be.");
    // The fullest model there can be still reads, and braces inside a text are no objects.
    std::string full = R"({"ductLength": 3000, "ductDiameter": 1, "notepadText": ")" +
                       std::string(900, '{') + R"(", "fans": [)";
    for (int f = 1; f <= kMaxFans; ++f) {
        full += std::string(f == 1 ? "" : ",") + R"({"distance": )" + std::to_string(f * 10) +
                R"(, "points": [)";
        for (int m = 1; m <= kMaxCurvePoints; ++m) {
            full += std::string(m == 1 ? "" : ",") + R"({"pressure": )" +
                    std::to_string(4000 - 200 * m) + R"(, "quantity": )" + std::to_string(m) + "}";
        }
        full += "]}";
    }
    full += R"(], "zones": [)";
    for (int z = 1; z <= kMaxZones; ++z) {
        full += std::string(z == 1 ? "" : ",") + R"({"start": )" + std::to_string((z - 1) * 300) +
                R"(, "end": )" + std::to_string(z * 300) + "}";
    }
    for (const char* list : {"smoothElbows", "mitredElbows", "dampers", "screens"}) {
        full += std::string(R"(], ")") + list + R"(": [)";
        for (int r = 1; r <= kShockLossRows; ++r) {
            full += std::string(r == 1 ? "" : ",") + R"({"distance": )" + std::to_string(r) + "}";
        }
    }
    full += "]}";
    CFlowmarDoc read;
    ASSERT_EQ(readJsonModel(full, read), "");
    EXPECT_EQ(read.fanCount, kMaxFans);
    EXPECT_EQ(read.fanCurvePointCount[kMaxFans], kMaxCurvePoints);
}

TEST(JsonModel, ParseFaultsAreToldInWordsWithLineAndColumn) {
    struct Case {
        const char* why;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"a value left out", "{\"ductLength\": }",
         "The model is not valid JSON: unexpected \"}\" at line 1, column 16."},
        {"a comma too many, on the third line", "{\n  \"ductLength\": 100,\n}",
         "The model is not valid JSON: unexpected \"}\" at line 3, column 1."},
        {"a file cut short", "{\"ductLength\": 100,\n  \"duct",
         "The model is not valid JSON: it ends before the JSON is complete (line 2, column 8)."},
        {"a key given twice silently took its last value",
         "{\"ductLength\": 100, \"ductLength\": 200}",
         "The model gives the key \"ductLength\" twice in one object."},
        {"twice inside a list entry", R"({"zones": [{"length": 1, "length": 2}]})",
         "The model gives the key \"length\" twice in one object."},
    };
    for (const Case& c : cases) {
        CFlowmarDoc doc;
        const std::string message = readJsonModel(c.text, doc);
        EXPECT_EQ(message, c.message) << c.why;
        EXPECT_EQ(message.find("json.exception"), std::string::npos) << c.why;
    }
    CFlowmarDoc doc;
    EXPECT_EQ(readJsonModel(R"({"zones": [{"length": 1}, {"length": 2}]})", doc).find("twice"),
              std::string::npos)
        << "the same key in two objects is no duplicate";
    CFanDatabaseDoc db;
    EXPECT_EQ(readJsonFanDatabase(R"({"unitSystem": 1, "unitSystem": 0})", db),
              "The fan database gives the key \"unitSystem\" twice in one object.");
}

TEST(JsonFanDatabase, RoundTripNormalisesAndKeepsTheUnitFlag) {
    const char* text = R"({
  "unitSystem": 0,
  "fanDatabase": [
    {"manufacturer": "Quarry Fans", "model": "QF-900", "setting": "A", "curveDensity": 1.2,
     "points": [{"pressure": 1500, "quantity": 18, "efficiency": 70},
                {"pressure": 3000, "quantity": 9, "efficiency": 60}]}
  ]
})";
    CFanDatabaseDoc db;
    ASSERT_EQ(readJsonFanDatabase(text, db), "");
    EXPECT_EQ(db.unitSystem, 0);
    EXPECT_EQ(db.fanCount, 1);
    EXPECT_EQ(db.fans[1].points[1].pressure, 3000) << "sorted by falling pressure";
    EXPECT_DOUBLE_EQ(db.fans[1].points[3].quantity, 27);
    CFanDatabaseDoc again;
    ASSERT_EQ(readJsonFanDatabase(writeJsonFanDatabase(db), again), "");
    EXPECT_EQ(again.fans, db.fans);
    EXPECT_NE(readJsonFanDatabase(R"({"fans": []})", again), "");
}

} // namespace
} // namespace flowmar
