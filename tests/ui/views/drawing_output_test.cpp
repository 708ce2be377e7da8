// Saving a drawing as a picture: the Graph View's Save Graph As writes each format it names, and
// an SVG that cannot be written leaves the previous file whole and no temporary behind, whatever
// the reason (a missing folder, a write that fails part way - a file-size limit, which holds for
// root too, where a read-only folder would not).
#include "core/model/flowmar_doc.h"
#include "core/model/messages.h"
#include "support/example_models.h"
#include "support/temp_folder.h"
#include "ui/views/drawing_output.h"
#include "ui/views/graph_view.h"

#include <QImage>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace flowmar {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

QString qtPath(const fs::path& path) {
    return QString::fromStdString(path.string());
}

TEST(DrawingOutput, TheFormatIsTheExtensionsInAnyCase) {
    EXPECT_EQ(pictureFormatOf(QStringLiteral("a.png")), PictureFormat::Png);
    EXPECT_EQ(pictureFormatOf(QStringLiteral("dir.svg/a.SVG")), PictureFormat::Svg);
    EXPECT_EQ(pictureFormatOf(QStringLiteral("a.Pdf")), PictureFormat::Pdf);
    EXPECT_EQ(pictureFormatOf(QStringLiteral("a.csv")), std::nullopt);
    EXPECT_EQ(pictureFormatOf(QStringLiteral("png")), std::nullopt);
}

class GraphSave : public ::testing::Test {
protected:
    void SetUp() override {
        testing::openExample("boosters.dct", doc);
        view = std::make_unique<CGraphView>(doc);
        view->resize(900, 650);
    }

    CFlowmarDoc doc;
    std::unique_ptr<CGraphView> view;
    testing::TempFolder folder;
};

TEST_F(GraphSave, AnSvgInAFolderThatIsMissingFailsAndMakesNothing) {
    const fs::path target = folder / "missing" / "graph.svg";
    QString error;
    EXPECT_FALSE(view->saveGraphAs(qtPath(target), &error));
    EXPECT_EQ(error.toStdString(), messages::cannotSaveGraph(target.string()));
    EXPECT_FALSE(fs::exists(folder / "missing"));
    EXPECT_TRUE(folder.names().empty());
}

// The write of the new picture fails part way: the previous picture is kept byte for byte.
TEST_F(GraphSave, AnSvgWhoseWriteFailsLeavesThePreviousFileWhole) {
    const fs::path target = folder / "graph.svg";
    const Bytes previous(300, 'p');
    testing::writeContents(target, previous);

    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000; // the graph's SVG is many times larger
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    QString error;
    const bool written = view->saveGraphAs(qtPath(target), &error);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(error.toStdString(), messages::cannotSaveGraph(target.string()));
    EXPECT_EQ(testing::fileContents(target), previous);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"graph.svg"}) << "no temporary is left";

    // Without the limit the same save replaces the picture.
    ASSERT_TRUE(view->saveGraphAs(qtPath(target), &error)) << error.toStdString();
    const Bytes svg = testing::fileContents(target);
    EXPECT_GT(svg.size(), 1000U);
    EXPECT_EQ(std::string(svg.begin(), svg.begin() + 5), "<?xml");
}

TEST_F(GraphSave, EveryPictureIsAsLargeAsTheWindow) {
    const fs::path png = folder / "graph.png";
    ASSERT_TRUE(view->saveGraphAs(qtPath(png)));
    const QImage image(qtPath(png));
    EXPECT_EQ(image.size(), QSize(900, 650));
    const fs::path svg = folder / "graph.svg";
    ASSERT_TRUE(view->saveGraphAs(qtPath(svg)));
    const Bytes bytes = testing::fileContents(svg);
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_NE(text.find("width=\"900\""), std::string::npos);
}

} // namespace
} // namespace flowmar
