#include "cli/check_options.h"

#include "cli/call.h"
#include "cli/cli_texts.h"

#include <charconv>
#include <cmath>

namespace flowmar::cli {

namespace {

std::optional<double> numberOf(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::string fractionFault(const std::string& option, const std::optional<double>& value) {
    if (value && !(*value >= 0 && *value <= 1)) {
        return cli_texts::fractionNeeded(option);
    }
    return {};
}

} // namespace

void defineCheckOptions(Call& call, CheckOptions& options) {
    CLI::App& app = call.app();
    app.add_option("--require-face", options.requireFace, std::string(cli_texts::kCliRequireFace))
        ->type_name("Q");
    app.add_option("--min-efficiency-fraction", options.minEfficiencyFraction,
                   std::string(cli_texts::kCliMinEfficiencyFraction))
        ->type_name("F");
    app.add_option("--max-leakage-share", options.maxLeakageShare,
                   std::string(cli_texts::kCliMaxLeakageShare))
        ->type_name("S");
    app.add_option("--velocity-range", options.velocityRange,
                   std::string(cli_texts::kCliVelocityRange))
        ->type_name("MIN:MAX");
    app.add_flag("--strict", options.strict, std::string(cli_texts::kCliStrict));
}

std::optional<DesignCriteria> criteriaOf(const CheckOptions& options, std::string& fault) {
    DesignCriteria criteria;
    if (options.requireFace && !(*options.requireFace > 0 && std::isfinite(*options.requireFace))) {
        fault = std::string(cli_texts::kRequireFaceNotPositive);
        return std::nullopt;
    }
    criteria.requiredFaceQuantity = options.requireFace;
    for (const auto& [option, value] :
         {std::pair{std::string("--min-efficiency-fraction"), options.minEfficiencyFraction},
          std::pair{std::string("--max-leakage-share"), options.maxLeakageShare}}) {
        if (fault = fractionFault(option, value); !fault.empty()) {
            return std::nullopt;
        }
    }
    criteria.minEfficiencyFraction = options.minEfficiencyFraction;
    criteria.maxLeakageShare = options.maxLeakageShare;
    if (!options.velocityRange.empty()) {
        const std::string_view range = options.velocityRange;
        const std::size_t colon = range.find(':');
        const std::string_view low = range.substr(0, colon);
        const std::string_view high =
            colon == std::string_view::npos ? std::string_view() : range.substr(colon + 1);
        criteria.velocityMin = low.empty() ? std::nullopt : numberOf(low);
        criteria.velocityMax = high.empty() ? std::nullopt : numberOf(high);
        const bool bad =
            colon == std::string_view::npos || (!low.empty() && !criteria.velocityMin) ||
            (!high.empty() && !criteria.velocityMax) || (low.empty() && high.empty()) ||
            (criteria.velocityMin && criteria.velocityMax &&
             *criteria.velocityMin > *criteria.velocityMax);
        if (bad) {
            fault = cli_texts::velocityRangeNotKnown(options.velocityRange);
            return std::nullopt;
        }
    }
    return criteria;
}

} // namespace flowmar::cli
