// The streamed results against the tree they replace: the same keys in the same order and every
// number the same double, over every example and over values that stress the number format; and
// texts escaped so that any file name or message reads back.
#include "core/commands/open_documents.h"
#include "core/engine/execute.h"
#include "core/files/model_file.h"
#include "core/model/flowmar_doc.h"
#include "core/views/json_stream.h"
#include "core/views/results_json.h"
#include "support/fake_ui_port.h"
#include "support/results_tree.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <filesystem>
#include <limits>
#include <random>
#include <string>

namespace flowmar {
namespace {

namespace fs = std::filesystem;

void expectSameAsTree(const std::string& file, SolutionStatus status,
                      const std::vector<std::string>& messages, const CFlowmarDoc& doc) {
    const nlohmann::ordered_json tree = testing::resultsTree(file, status, messages, doc);
    for (const int indent : {-1, 2}) {
        std::string streamed;
        writeResultsJson(streamed, file, status, messages, doc, indent);
        const auto parsed = nlohmann::ordered_json::parse(streamed);
        // ordered_json compares keys in order and numbers as doubles, bit for bit (but 0 == -0).
        EXPECT_EQ(parsed, tree) << file << " indent " << indent;
        if (indent < 0) {
            EXPECT_EQ(streamed.find('\n'), std::string::npos);
        } else {
            EXPECT_EQ(streamed.substr(0, 4), "{\n  ");
        }
    }
}

TEST(ResultsStream, EveryExampleAsTheTreeHasIt) {
    int examples = 0;
    for (const auto& entry : fs::directory_iterator(FLOWMAR_EXAMPLES)) {
        const fs::path path = entry.path();
        if (path.extension() != ".dct" && path.extension() != ".json") {
            continue;
        }
        FileRead<CFlowmarDoc> read = readModelFile(path);
        if (!read.ok()) {
            continue; // the fan database's JSON
        }
        const ExecuteResult run = Execute(*read.document);
        expectSameAsTree(path.filename().string(), run.status, run.messages, *read.document);
        ++examples;
    }
    EXPECT_GE(examples, 14);
}

TEST(ResultsStream, NumbersAtTheEdgesOfTheFormatReadBackTheSame) {
    FileRead<CFlowmarDoc> read = readModelFile(fs::path(FLOWMAR_EXAMPLES) / "boosters.json");
    ASSERT_TRUE(read.ok());
    CFlowmarDoc& doc = *read.document;
    const ExecuteResult run = Execute(doc);
    std::mt19937_64 random(20261210);
    std::uniform_real_distribution<double> exponent(-320, 308);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    const double edges[] = {0.0,
                            -0.0,
                            1e-5,
                            0.0001,
                            123456789012345678.0,
                            1e21,
                            1e300,
                            std::numeric_limits<double>::denorm_min(),
                            std::numeric_limits<double>::max(),
                            std::numeric_limits<double>::quiet_NaN(),
                            std::numeric_limits<double>::infinity()};
    for (int round = 0; round < 50; ++round) {
        for (std::size_t k = 0; k < doc.results.totalPressure.size(); ++k) {
            doc.results.totalPressure[k] =
                round == 0 ? edges[k % std::size(edges)]
                           : mantissa(random) * std::pow(10.0, exponent(random));
        }
        doc.results.fanPressure[2] = mantissa(random);
        expectSameAsTree("boosters.json", run.status, run.messages, doc);
    }
}

TEST(JsonStream, NumbersAreLaidOutAsTheTreeDumpsThem) {
    struct Case {
        double number;
        const char* text;
    };
    const Case cases[] = {
        {100.0, "100.0"},            // whole: still a double
        {0.25, "0.25"},              // point inside the digits
        {-0.0, "-0.0"},              // the sign of zero kept
        {0.0001, "0.0001"},          // the smallest plain magnitude
        {0.00001, "1e-05"},          // below it, an exponent of two digits
        {1e14, "100000000000000.0"}, // 15 digits before the point: still plain
        {1e15, "1e+15"},             // 16: an exponent
        {1234.5e20, "1.2345e+23"},   // several digits with an exponent
        {123456789012345678.0, "1.2345678901234568e+17"},
        {0.1 + 0.2, "0.30000000000000004"}, // seventeen digits where sixteen would not read back
        {5e-324, "5e-324"},                 // the smallest subnormal
        {1.7976931348623157e308, "1.7976931348623157e+308"},
        {-12.5, "-12.5"},
    };
    for (const Case& c : cases) {
        std::string out;
        JsonStream(out).value(c.number);
        EXPECT_EQ(out, c.text);
        EXPECT_EQ(out, nlohmann::json(c.number).dump()) << "the tree writes " << c.text;
    }
}

TEST(JsonStream, TextsReadBackWhateverTheyHold) {
    const std::string texts[] = {
        "plain", "quote \" and backslash \\", "lines\nand\ttabs\r\x01\x1f",
        "Tunnel \xCE\xA9 \xE2\x86\x92 face", // Ω →
    };
    for (const std::string& text : texts) {
        std::string out;
        JsonStream(out).value(std::string_view(text));
        EXPECT_EQ(nlohmann::json::parse(out).get<std::string>(), text) << out;
    }
    // A byte that is no UTF-8 becomes U+FFFD instead of breaking the whole object.
    std::string out;
    JsonStream(out).value(std::string_view("bad \xFF byte \xC3"));
    EXPECT_EQ(nlohmann::json::parse(out).get<std::string>(), "bad \xEF\xBF\xBD byte \xEF\xBF\xBD");
}

TEST(JsonStream, NestingCommasAndEmptyContainersAsTheTreeDumps) {
    for (const int indent : {-1, 2, 4}) {
        std::string out;
        JsonStream j(out, indent);
        j.beginObject();
        j.key("a").beginArray().endArray();
        j.key("b").beginObject().endObject();
        j.key("c").beginArray().value(1).value(2.5).null().value(true).endArray();
        j.key("d").value(3000.0);
        j.endObject();
        const nlohmann::ordered_json tree = {{"a", nlohmann::ordered_json::array()},
                                             {"b", nlohmann::ordered_json::object()},
                                             {"c", {1, 2.5, nullptr, true}},
                                             {"d", 3000.0}};
        EXPECT_EQ(out, tree.dump(indent)) << "indent " << indent;
    }
}

} // namespace
} // namespace flowmar
