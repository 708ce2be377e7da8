#include "core/commands/fan_curve_import.h"
#include "core/fans/add_fan_dialog.h"
#include "core/fans/fan_database_doc.h"
#include "core/files/fdb_file.h"
#include "core/model/messages.h"
#include "core/model/units.h"
#include "support/fake_ui_port.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace flowmar {
namespace {

namespace fs = std::filesystem;
using testing::FakeUiPort;

// A database of five fans on disk; fan i has i + 1 points, the first at 1000 Pa and 10 m³/s.
class ImportFromFiveFans : public ::testing::Test {
protected:
    void SetUp() override {
        // A name of its own, so parallel runs never share the file.
        m_path = fs::temp_directory_path() /
                 ("flowmar-import-five-fans-" + std::to_string(::getpid()) + ".fdb");
        CFanDatabaseDoc db;
        db.fanCount = 5;
        for (int i = 1; i <= 5; ++i) {
            FanCurve& fan = db.fans[i];
            fan.manufacturer = "Maker " + std::to_string(i);
            fan.model = "M" + std::to_string(i);
            fan.setting = "S" + std::to_string(i);
            fan.curveDensity = 1.2;
            fan.pointCount = i + 1;
            for (int m = 1; m <= i + 1; ++m) {
                fan.points[m] = {1000.0 / m, 10.0 * m, 60};
            }
        }
        ASSERT_TRUE(writeFanDatabaseFile(db, m_path).ok());
        chooseTheFile();
    }

    void chooseTheFile() {
        port.onChooseFile = [this](const OpenFileRequest& request) {
            EXPECT_EQ(request.title, "Specify Fan Database File");
            EXPECT_EQ(request.filter, "Fan Files (*.fdb)|*.fdb||");
            return std::optional<std::string>(m_path.string());
        };
    }
    void TearDown() override { fs::remove(m_path); }

    void choose(int number) {
        port.onSelectFan = [number](SelectFanValues& v) {
            EXPECT_EQ(v.model[5], "M5");
            EXPECT_TRUE(v.model[6].empty()) << "rows after the last fan are empty";
            v.fanNumber = number;
            return true;
        };
    }

    fs::path m_path;
    FakeUiPort port;
};

TEST_F(ImportFromFiveFans, CopiesTheChosenCurveUnchangedIntoAnSIModel) {
    AddFanValues values;
    values.distance = 25;
    choose(3);
    ASSERT_TRUE(importFanCurve(values, port));
    EXPECT_EQ(values.curve.model, "M3");
    EXPECT_EQ(values.curve.pointCount, 4);
    EXPECT_EQ(values.curve.points[1], (FanCurvePoint{1000, 10, 60}));
    EXPECT_EQ(values.curve.curveDensity, 1.2);
    EXPECT_EQ(values.distance, 25) << "only the curve is imported";
}

TEST_F(ImportFromFiveFans, ConvertsIntoAnImperialModel) {
    AddFanValues values;
    values.unitSystem = kImperial;
    choose(3);
    ASSERT_TRUE(importFanCurve(values, port));
    EXPECT_DOUBLE_EQ(values.curve.points[1].pressure, 4.0147);
    EXPECT_DOUBLE_EQ(values.curve.points[1].quantity, 21.189);
    EXPECT_DOUBLE_EQ(values.curve.curveDensity, 1.2 * 0.06242796);
}

TEST_F(ImportFromFiveFans, ANumberBeyondTheFileChangesNothing) {
    AddFanValues values;
    values.curve.model = "kept";
    choose(7);
    EXPECT_FALSE(importFanCurve(values, port));
    EXPECT_EQ(port.messages,
              (std::vector<std::string>{std::string(messages::kImportFanDoesNotExist)}));
    EXPECT_EQ(port.messageIcons, std::vector<MessageIcon>{MessageIcon::Warning})
        << "a refusal is a warning";
    EXPECT_EQ(values.curve.model, "kept");
}

TEST_F(ImportFromFiveFans, MissingOrDamagedFilesChangeNothing) {
    AddFanValues values;
    values.curve.model = "kept";
    port.onChooseFile = [](const OpenFileRequest&) {
        return std::optional<std::string>("/no/such/folder/fans.fdb");
    };
    EXPECT_FALSE(importFanCurve(values, port));
    EXPECT_EQ(port.messages.back(), "Unable to open file '/no/such/folder/fans.fdb'");

    std::ofstream(m_path, std::ios::trunc) << "xy";
    chooseTheFile();
    EXPECT_FALSE(importFanCurve(values, port));
    EXPECT_EQ(port.messages.back().rfind("Cannot open \"", 0), 0u) << port.messages.back();
    EXPECT_EQ(values.curve.model, "kept");
    EXPECT_EQ(std::count(port.dialogs.begin(), port.dialogs.end(), Dialog::SelectFan), 0);
}

TEST_F(ImportFromFiveFans, CancelAtEitherDialogChangesNothing) {
    AddFanValues values;
    port.onChooseFile = [](const OpenFileRequest&) { return std::optional<std::string>(); };
    EXPECT_FALSE(importFanCurve(values, port));
    chooseTheFile();
    EXPECT_FALSE(importFanCurve(values, port)) << "Select Fan cancelled";
    EXPECT_EQ(values.curve, FanCurve{});
    EXPECT_TRUE(port.messages.empty());
}

} // namespace
} // namespace flowmar
