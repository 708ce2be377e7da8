// Reading is strict: every key must be known and of its type, and every list within the model's
// capacity, so a typo in a hand-edited model is reported instead of silently taking a default.
#include "core/files/json_model.h"

#include "core/fans/duct_fan.h"
#include "core/files/fan_curve_json.h"
#include "core/files/json_reader.h"
#include "core/files/model_codes.h"
#include "core/model/flowmar_doc.h"
#include "core/model/messages.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <utility>

namespace flowmar {

namespace {

using nlohmann::ordered_json;
using Json = nlohmann::json;

void readZones(JsonObjectReader& top, CFlowmarDoc& doc) {
    top.list("zones", kMaxZones, [&](JsonObjectReader& zone, int z) {
        zone.number("start", doc.zoneStart[z]);
        zone.number("end", doc.zoneEnd[z]);
        zone.number("diameter", doc.zoneDiameter[z]);
        zone.number("frictionFactor", doc.zoneFrictionFactor[z]);
        zone.number("leakageResistance100", doc.zoneLeakageResistance100[z]);
    });
}

void readShockLosses(JsonObjectReader& top, CFlowmarDoc& doc) {
    top.list("smoothElbows", kShockLossRows, [&](JsonObjectReader& row, int r) {
        row.number("distance", doc.smoothElbowDistance[r]);
        row.number("factor", doc.smoothElbowFactor[r]);
        row.text("ratio", doc.smoothElbowText1[r]);
        row.text("angle", doc.smoothElbowText2[r]);
    });
    top.list("mitredElbows", kShockLossRows, [&](JsonObjectReader& row, int r) {
        row.number("distance", doc.mitredElbowDistance[r]);
        row.number("factor", doc.mitredElbowFactor[r]);
        row.text("angle", doc.mitredElbowText[r]);
    });
    top.list("dampers", kShockLossRows, [&](JsonObjectReader& row, int r) {
        row.number("distance", doc.damperDistance[r]);
        row.number("factor", doc.damperFactor[r]);
        row.text("degreeClosed", doc.damperText[r]);
    });
    top.list("screens", kShockLossRows,
             [&](JsonObjectReader& row, int r) { row.number("distance", doc.screenDistance[r]); });
    top.list("fixedResistances", kShockLossRows, [&](JsonObjectReader& row, int r) {
        row.number("distance", doc.fixedResistanceDistance[r]);
        row.number("value", doc.fixedResistanceValue[r]);
    });
}

void readFans(JsonObjectReader& top, CFlowmarDoc& doc) {
    const int count = top.list("fans", kMaxFans, [&](JsonObjectReader& fan, int i) {
        DuctFan entered;
        readFanCurve(fan, entered.curve, i);
        fan.number("distance", entered.distance);
        fan.number("fixedPressure", entered.fixedPressure);
        bool useFixedPressure = false;
        fan.boolean("useFixedPressure", useFixedPressure);
        if (entered.distance <= 0) {
            entered.distance = kFanAtDuctStart;
        }
        entered.fixedPressureTag = entered.fixedPressureFlag = useFixedPressure ? 1 : 0;
        entered.hasCurve = entered.curve.points[1].pressure != 0 ? 1 : 0;
        storeDuctFan(doc, i, entered);
    });
    doc.fanCount = count;
}

// The engineer's design criteria travel with the model, in SI (m³/s, m/s) whatever its units.
void readDesignCriteria(JsonObjectReader& top, CFlowmarDoc& doc) {
    top.object("designCriteria", [&](JsonObjectReader& object) {
        DesignCriteria& criteria = doc.designCriteria;
        object.optionalNumber("requiredFaceQuantity", criteria.requiredFaceQuantity);
        object.optionalNumber("minEfficiencyFraction", criteria.minEfficiencyFraction);
        object.optionalNumber("maxLeakageShare", criteria.maxLeakageShare);
        object.optionalNumber("velocityMin", criteria.velocityMin);
        object.optionalNumber("velocityMax", criteria.velocityMax);
        if (!object.ok()) {
            return;
        }
        const auto outside = [](const std::optional<double>& value, double low, double high) {
            return value && !(*value >= low && *value <= high);
        };
        if (criteria.requiredFaceQuantity && !(*criteria.requiredFaceQuantity > 0)) {
            object.fail("The key \"requiredFaceQuantity\" in \"designCriteria\" must be above 0.");
        } else if (outside(criteria.minEfficiencyFraction, 0, 1)) {
            object.fail(
                "The key \"minEfficiencyFraction\" in \"designCriteria\" must lie from 0 to 1.");
        } else if (outside(criteria.maxLeakageShare, 0, 1)) {
            object.fail("The key \"maxLeakageShare\" in \"designCriteria\" must lie from 0 to 1.");
        } else if (outside(criteria.velocityMin, 0, 1e6) || outside(criteria.velocityMax, 0, 1e6)) {
            object.fail("The velocities in \"designCriteria\" must lie from 0 to 1,000,000 m/s.");
        } else if (criteria.velocityMin && criteria.velocityMax &&
                   *criteria.velocityMin > *criteria.velocityMax) {
            object.fail("In \"designCriteria\", \"velocityMin\" must not exceed \"velocityMax\".");
        }
    });
}

ordered_json designCriteriaJson(const DesignCriteria& criteria) {
    ordered_json j = ordered_json::object();
    const auto put = [&](const char* key, const std::optional<double>& value) {
        if (value) {
            j[key] = *value;
        }
    };
    put("requiredFaceQuantity", criteria.requiredFaceQuantity);
    put("minEfficiencyFraction", criteria.minEfficiencyFraction);
    put("maxLeakageShare", criteria.maxLeakageShare);
    put("velocityMin", criteria.velocityMin);
    put("velocityMax", criteria.velocityMax);
    return j;
}

void readModel(JsonObjectReader& top, CFlowmarDoc& doc) {
    top.integer("unitSystem", doc.unitSystem);
    top.integer("ductType", doc.ductType);
    top.number("ductLength", doc.ductLength);
    top.number("ductDiameter", doc.ductDiameter);
    top.number("frictionFactor", doc.frictionFactor);
    top.number("airDensity", doc.airDensity);
    top.integer("leakageResistance100", doc.leakageResistance100);
    top.integer("leakagePathCount", doc.leakagePathCount);
    top.integer("executionMode", doc.executionMode);
    top.integer("iterationLimit", doc.iterationLimit);
    top.integer("solutionMode", doc.solutionMode);
    top.number("fixedQuantity", doc.fixedQuantity);
    top.integer("fixedQuantityLocation", doc.fixedQuantityLocation);
    top.integer("zonesOff", doc.zonesOff);
    top.integer("autoTransitionOff", doc.autoTransitionOff);
    top.number("entryShockFactor", doc.entryShockFactor);
    top.number("exitShockFactor", doc.exitShockFactor);
    top.integer("entryTypeIndex", doc.entryTypeIndex);
    top.integer("exitTypeIndex", doc.exitTypeIndex);
    top.text("notepadText", doc.notepadText);
    top.integer("plotZeroPressure", doc.plotZeroPressure);
    top.integer("diameterPresetIndex", doc.diameterPresetIndex);
    top.integer("frictionFactorPresetIndex", doc.frictionFactorPresetIndex);
    top.texts("diameterPresets", doc.diameterPresets);
    top.texts("ductTypeNames", doc.ductTypeNames);
    top.texts("frictionFactorPresets", doc.frictionFactorPresets);
    readZones(top, doc);
    readShockLosses(top, doc);
    readFans(top, doc);
    readDesignCriteria(top, doc);
    // The leakage path count decides how many segments Execute builds; keep it in range here so
    // a hand-edited model cannot ask for more than the model holds.
    if (top.ok() && (doc.leakagePathCount < 0 || doc.leakagePathCount > kMaxLeakagePaths)) {
        top.fail("The key \"leakagePathCount\" must lie between 0 and 99.");
    }
    if (const std::string fault = refusedCode(doc); top.ok() && !fault.empty()) {
        top.fail("The model is refused: " + fault + ".");
    }
    if (top.ok() && doc.iterationLimit > limits::kMaxIterationLimit) {
        top.fail("The key \"iterationLimit\" is refused: " +
                 messages::iterationLimitTooHigh(doc.iterationLimit) + ".");
    }
}

bool zoneRowIsEmpty(const CFlowmarDoc& doc, int z) {
    return doc.zoneStart[z] == 0 && doc.zoneEnd[z] == 0 && doc.zoneDiameter[z] == 0 &&
           doc.zoneFrictionFactor[z] == 0 && doc.zoneLeakageResistance100[z] == 0;
}

ordered_json zonesJson(const CFlowmarDoc& doc) {
    int last = kMaxZones;
    while (last > 0 && zoneRowIsEmpty(doc, last)) {
        --last;
    }
    ordered_json zones = ordered_json::array();
    for (int z = 1; z <= last; ++z) {
        zones.push_back({{"start", doc.zoneStart[z]},
                         {"end", doc.zoneEnd[z]},
                         {"diameter", doc.zoneDiameter[z]},
                         {"frictionFactor", doc.zoneFrictionFactor[z]},
                         {"leakageResistance100", doc.zoneLeakageResistance100[z]}});
    }
    return zones;
}

// Rows with anything entered, in table order.
template <typename Entered, typename Make>
ordered_json shockRowsJson(Entered entered, Make make) {
    ordered_json rows = ordered_json::array();
    for (int r = 1; r <= kShockLossRows; ++r) {
        if (entered(r)) {
            rows.push_back(make(r));
        }
    }
    return rows;
}

ordered_json fansJson(const CFlowmarDoc& doc) {
    ordered_json fans = ordered_json::array();
    const int count = std::clamp(doc.fanCount, 0, kMaxFans);
    for (int i = 1; i <= count; ++i) {
        const DuctFan fan = ductFanOf(doc, i);
        ordered_json entry = fanCurveJson(fan.curve);
        entry["distance"] = fan.distance;
        entry["fixedPressure"] = fan.fixedPressure;
        entry["useFixedPressure"] = fan.fixedPressureTag == 1;
        // The points come last, as the longest part of a fan.
        ordered_json points = std::move(entry["points"]);
        entry.erase("points");
        entry["points"] = std::move(points);
        fans.push_back(std::move(entry));
    }
    return fans;
}

} // namespace

std::string readJsonModel(std::string_view text, CFlowmarDoc& doc) {
    return readJsonDocument(text, "model", [&](JsonObjectReader& top) {
        CFlowmarDoc read;
        readModel(top, read);
        if (top.ok()) {
            // The views stay subscribed to the document that is being filled.
            static_cast<DocumentState&>(read) = static_cast<const DocumentState&>(doc);
            doc = std::move(read);
        }
    });
}

std::string writeJsonModel(const CFlowmarDoc& doc) {
    ordered_json j;
    j["unitSystem"] = doc.unitSystem;
    j["ductType"] = doc.ductType;
    j["ductLength"] = doc.ductLength;
    j["ductDiameter"] = doc.ductDiameter;
    j["frictionFactor"] = doc.frictionFactor;
    j["airDensity"] = doc.airDensity;
    j["leakageResistance100"] = doc.leakageResistance100;
    j["leakagePathCount"] = doc.leakagePathCount;
    j["executionMode"] = doc.executionMode;
    j["iterationLimit"] = doc.iterationLimit;
    j["solutionMode"] = doc.solutionMode;
    j["fixedQuantity"] = doc.fixedQuantity;
    j["fixedQuantityLocation"] = doc.fixedQuantityLocation;
    j["zonesOff"] = doc.zonesOff;
    j["autoTransitionOff"] = doc.autoTransitionOff;
    j["entryShockFactor"] = doc.entryShockFactor;
    j["exitShockFactor"] = doc.exitShockFactor;
    j["entryTypeIndex"] = doc.entryTypeIndex;
    j["exitTypeIndex"] = doc.exitTypeIndex;
    j["notepadText"] = doc.notepadText;
    j["plotZeroPressure"] = doc.plotZeroPressure;
    j["diameterPresetIndex"] = doc.diameterPresetIndex;
    j["frictionFactorPresetIndex"] = doc.frictionFactorPresetIndex;
    j["diameterPresets"] = doc.diameterPresets;
    j["ductTypeNames"] = doc.ductTypeNames;
    j["frictionFactorPresets"] = doc.frictionFactorPresets;
    j["zones"] = zonesJson(doc);
    j["smoothElbows"] = shockRowsJson(
        [&](int r) {
            return doc.smoothElbowDistance[r] != 0 || doc.smoothElbowFactor[r] != 0 ||
                   !doc.smoothElbowText1[r].empty() || !doc.smoothElbowText2[r].empty();
        },
        [&](int r) {
            return ordered_json{{"distance", doc.smoothElbowDistance[r]},
                                {"factor", doc.smoothElbowFactor[r]},
                                {"ratio", doc.smoothElbowText1[r]},
                                {"angle", doc.smoothElbowText2[r]}};
        });
    j["mitredElbows"] = shockRowsJson(
        [&](int r) {
            return doc.mitredElbowDistance[r] != 0 || doc.mitredElbowFactor[r] != 0 ||
                   !doc.mitredElbowText[r].empty();
        },
        [&](int r) {
            return ordered_json{{"distance", doc.mitredElbowDistance[r]},
                                {"factor", doc.mitredElbowFactor[r]},
                                {"angle", doc.mitredElbowText[r]}};
        });
    j["dampers"] = shockRowsJson(
        [&](int r) {
            return doc.damperDistance[r] != 0 || doc.damperFactor[r] != 0 ||
                   !doc.damperText[r].empty();
        },
        [&](int r) {
            return ordered_json{{"distance", doc.damperDistance[r]},
                                {"factor", doc.damperFactor[r]},
                                {"degreeClosed", doc.damperText[r]}};
        });
    j["screens"] = shockRowsJson([&](int r) { return doc.screenDistance[r] != 0; },
                                 [&](int r) {
                                     return ordered_json{{"distance", doc.screenDistance[r]}};
                                 });
    j["fixedResistances"] = shockRowsJson(
        [&](int r) {
            return doc.fixedResistanceDistance[r] != 0 || doc.fixedResistanceValue[r] != 0;
        },
        [&](int r) {
            return ordered_json{{"distance", doc.fixedResistanceDistance[r]},
                                {"value", doc.fixedResistanceValue[r]}};
        });
    j["fans"] = fansJson(doc);
    // Left out when none is set, so a model without criteria reads as it always has.
    if (doc.designCriteria.anySet()) {
        j["designCriteria"] = designCriteriaJson(doc.designCriteria);
    }
    // A text that is not UTF-8 (none should be) is written with replacement characters.
    return j.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

} // namespace flowmar
