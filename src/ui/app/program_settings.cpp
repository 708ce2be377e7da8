#include "ui/app/program_settings.h"

#include "core/model/string_table.h"
#include "ui/core_text.h"

#include <QSettings>

#include <array>
#include <cmath>
#include <memory>
#include <optional>
#include <utility>

namespace flowmar::program_settings {

namespace {

std::unique_ptr<QSettings> settings() {
    return std::make_unique<QSettings>(QStringLiteral("Quarrystone"),
                                       coreText(labels::kProgramName));
}

// Each criterion under its JSON model key; an open criterion has no key.
using Member = std::optional<double> DesignCriteria::*;
constexpr std::array<std::pair<const char*, Member>, 5> kCriteria{{
    {"requiredFaceQuantity", &DesignCriteria::requiredFaceQuantity},
    {"minEfficiencyFraction", &DesignCriteria::minEfficiencyFraction},
    {"maxLeakageShare", &DesignCriteria::maxLeakageShare},
    {"velocityMin", &DesignCriteria::velocityMin},
    {"velocityMax", &DesignCriteria::velocityMax},
}};

QString criteriaKey(const char* name) {
    return QStringLiteral("Design Criteria/") + QLatin1String(name);
}

const QString kShadeKey = QStringLiteral("Graph/Shade Design Check Ranges");

// Read once, then kept with every change, so that painting never waits for the settings file.
std::optional<bool>& shadeCache() {
    static std::optional<bool> cached;
    return cached;
}

} // namespace

DesignCriteria designCriteria() {
    DesignCriteria criteria;
    const auto stored = settings();
    for (const auto& [name, member] : kCriteria) {
        bool ok = false;
        const double value = stored->value(criteriaKey(name)).toDouble(&ok);
        if (ok && std::isfinite(value)) {
            criteria.*member = value;
        }
    }
    return criteria;
}

void setDesignCriteria(const DesignCriteria& criteria) {
    const auto stored = settings();
    for (const auto& [name, member] : kCriteria) {
        if (const std::optional<double>& value = criteria.*member) {
            stored->setValue(criteriaKey(name), *value);
        } else {
            stored->remove(criteriaKey(name));
        }
    }
}

bool shadeDesignRanges() {
    if (!shadeCache()) {
        shadeCache() = settings()->value(kShadeKey, false).toBool();
    }
    return *shadeCache();
}

void setShadeDesignRanges(bool shade) {
    shadeCache() = shade;
    settings()->setValue(kShadeKey, shade);
}

DesignCriteria criteriaFor(const DesignCriteria& model) {
    return model.over(designCriteria());
}

} // namespace flowmar::program_settings
