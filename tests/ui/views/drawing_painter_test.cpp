#include "core/views/text_report.h"
#include "ui/views/drawing_painter.h"

#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <string>

namespace flowmar {
namespace {

constexpr QRgb kWhiteRgb = 0xFFFFFFFF;

QImage whiteImage(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::white);
    return image;
}

QImage paint(const Drawing& drawing, int width, int height, DrawingFit fit) {
    QImage image = whiteImage(width, height);
    QPainter painter(&image);
    paintDrawing(painter, drawing, QRectF(image.rect()), fit);
    painter.end();
    return image;
}

// Pixels of a row (or a column) that hold something darker than white.
int inkedInRow(const QImage& image, int y) {
    int count = 0;
    for (int x = 0; x < image.width(); ++x) {
        count += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    }
    return count;
}

int inkedInColumn(const QImage& image, int x) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        count += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    }
    return count;
}

// The bounding box of everything painted.
QRect inkedBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != kWhiteRgb) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

struct RowCase {
    const char* why;
    Extent extent;
    double lineY;
    int expectedRow; // of a 100 x 100 image
    friend void PrintTo(const RowCase& c, std::ostream* os) { *os << c.why; }
};

class HorizontalLine : public ::testing::TestWithParam<RowCase> {};

TEST_P(HorizontalLine, LandsOnTheRowItsExtentSays) {
    const RowCase& c = GetParam();
    Drawing drawing(c.extent);
    drawing.addLine({0, c.lineY}, {100, c.lineY});
    const QImage image = paint(drawing, 100, 100, DrawingFit::Anisotropic);
    EXPECT_EQ(inkedInRow(image, c.expectedRow), 100);
    for (int y = 0; y < 100; ++y) {
        if (y != c.expectedRow) {
            EXPECT_EQ(inkedInRow(image, y), 0) << "row " << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    DrawingPainter, HorizontalLine,
    ::testing::Values(
        RowCase{"y up from 0 at the bottom: y = 0 is the bottom row", {0, 100, 100, 0}, 0, 99},
        RowCase{"y up: the top edge is the top row", {0, 100, 100, 0}, 100, 0},
        RowCase{"y up below 0, as the 800 x 600 graph: y = -100 is the bottom row",
                {0, 0, 100, -100},
                -100,
                99},
        RowCase{"y down: y = 0 is the top row", {0, 0, 100, 100}, 0, 0},
        RowCase{"y down: the bottom edge is the bottom row", {0, 0, 100, 100}, 100, 99}));

TEST(DrawingPainter, AnisotropicFitStretchesEachAxisOnItsOwn) {
    // The graph's 800 x 600 space in a window of another shape: x = 400 is the middle column.
    Drawing drawing(Extent{0, 0, 800, -600});
    drawing.addLine({400, 0}, {400, -600});
    drawing.addLine({0, -300}, {800, -300});
    const QImage image = paint(drawing, 401, 201, DrawingFit::Anisotropic);
    EXPECT_EQ(inkedInColumn(image, 200), 201);
    EXPECT_EQ(inkedInRow(image, 100), 401);
    EXPECT_EQ(inkedInColumn(image, 100), 1); // only where the horizontal line crosses
}

TEST(DrawingPainter, IsotropicFitKeepsOneScaleFromTheTopLeft) {
    // A 100 x 100 space in a 201 x 101 image: one pixel a unit, the right half left blank.
    Drawing drawing(Extent{0, 100, 100, 0});
    drawing.addLine({100, 0}, {100, 100});
    const QImage image = paint(drawing, 201, 101, DrawingFit::Isotropic);
    EXPECT_EQ(inkedInColumn(image, 100), 101);
    EXPECT_EQ(inkedBox(image), QRect(100, 0, 1, 101));
}

TEST(DrawingPainter, FillsWithTheirColourAndOutlineWithThePen) {
    Drawing drawing(Extent{0, 0, 100, 100});
    drawing.addRectangle({10, 10}, {50, 50}, Pen{PenStyle::Solid, Rgb{0, 0, 255}, 0},
                         Rgb{255, 0, 0});
    drawing.addEllipse({60, 60}, {90, 90}, Pen{}, Rgb{0, 128, 0});
    drawing.addRectangle({60, 10}, {90, 40}); // no fill: the inside stays white
    const QImage image = paint(drawing, 101, 101, DrawingFit::Anisotropic);
    EXPECT_EQ(image.pixelColor(30, 30), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(10, 30), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(75, 75), QColor(0, 128, 0));
    EXPECT_EQ(image.pixelColor(75, 25), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(60, 25), QColor(Qt::black));
}

TEST(DrawingPainter, DottedLinesLeaveGapsAndWidePensAreWide) {
    Drawing drawing(Extent{0, 0, 100, 100});
    drawing.addLine({0, 10}, {100, 10}, Pen{PenStyle::Dotted, kBlack, 0});
    drawing.addLine({0, 50}, {100, 50}, Pen{PenStyle::Solid, kBlack, 9});
    const QImage image = paint(drawing, 101, 101, DrawingFit::Anisotropic);
    const int dotted = inkedInRow(image, 10);
    EXPECT_GT(dotted, 20);
    EXPECT_LT(dotted, 80);
    for (int y = 46; y <= 54; ++y) {
        EXPECT_EQ(inkedInRow(image, y), 101) << "row " << y;
    }
    EXPECT_EQ(inkedInRow(image, 44), 0);
    EXPECT_EQ(inkedInRow(image, 56), 0);
}

TEST(DrawingPainter, TextHangsFromItsTopLeftCornerAtItsPointSize) {
    // y up, as on a page: the text's cell starts at (20, 80), 20 pixels below the top.
    QImage image = whiteImage(201, 101);
    Drawing drawing(Extent{0, 100, 200, 0});
    const Font font{24, "Arial", false};
    drawing.addText({20, 80}, "HH", font, Rgb{0, 0, 0}, Rgb{255, 255, 0});
    QPainter painter(&image);
    paintDrawing(painter, drawing, QRectF(image.rect()), DrawingFit::Anisotropic);
    painter.end();
    const double pixelsPerPoint = image.logicalDpiY() / 72.0;
    const QtTextMetrics metrics(image);
    // The background cell covers the text's box exactly.
    const QRect cell = inkedBox(image);
    EXPECT_NEAR(cell.left(), 20, 1);
    EXPECT_NEAR(cell.top(), 20, 1);
    EXPECT_NEAR(cell.height(), metrics.height(font) * pixelsPerPoint, 1.5);
    EXPECT_NEAR(cell.width(), metrics.width("HH", font) * pixelsPerPoint, 1.5);
    EXPECT_EQ(image.pixelColor(cell.left() + 1, cell.top() + 1), QColor(255, 255, 0));
    // Capital letters stand on the baseline, an ascent below the top.
    int lowestInk = 0;
    for (int y = 0; y < image.height(); ++y) {
        if (inkedInRow(image, y) > 0) {
            lowestInk = y;
        }
    }
    EXPECT_NEAR(lowestInk, 20 + metrics.ascent(font) * pixelsPerPoint, 2);
}

TEST(DrawingPainter, LeavesOutWhatIsNotFiniteAndEmptyExtents) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    Drawing drawing(Extent{0, 0, 100, 100});
    drawing.addLine({nan, 0}, {100, 100});
    drawing.addPolyline({{0, 0}, {inf, 50}});
    drawing.addRectangle({0, 0}, {50, nan}, Pen{}, kBlack);
    drawing.addText({nan, 10}, "x", Font{});
    EXPECT_TRUE(inkedBox(paint(drawing, 100, 100, DrawingFit::Anisotropic)).isNull());

    Drawing flat(Extent{0, 0, 100, 0});
    flat.addLine({0, 0}, {100, 0});
    EXPECT_TRUE(inkedBox(paint(flat, 100, 100, DrawingFit::Isotropic)).isNull());
}

TEST(DeviceFont, ArialIsLiberationSansAtTheDeviceHeightOfItsPoints) {
    const QFont font = deviceFont(Font{10, "Arial", false}, 600);
    EXPECT_EQ(font.pixelSize(), fontDeviceHeight(10, 600)); // 83 pixels at 600 dpi
    EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("Liberation Sans"));
    EXPECT_TRUE(deviceFont(Font{8, "Arial", true}, 96).bold());
}

TEST(QtTextMetrics, MeasuresInPointsWhateverTheResolution) {
    // Liberation Sans has Arial's proportions, so the real metrics agree with the estimate, less
    // what the font rule's whole pixels take away at a low resolution (13 pixels for 13.3 at 96).
    const Font font = reportFont();
    const std::string text = "Length of Duct = 1500.0 (m)";
    for (const int dotsPerInch : {96, 300, 1200}) {
        QImage device(10, 10, QImage::Format_ARGB32);
        device.setDotsPerMeterX(qRound(dotsPerInch / 0.0254));
        device.setDotsPerMeterY(qRound(dotsPerInch / 0.0254));
        const QtTextMetrics metrics(device);
        const TextMetrics& estimate = defaultTextMetrics();
        EXPECT_NEAR(metrics.height(font), estimate.height(font), 0.04 * estimate.height(font))
            << dotsPerInch;
        EXPECT_NEAR(metrics.ascent(font), estimate.ascent(font), 0.04 * estimate.ascent(font))
            << dotsPerInch;
        EXPECT_NEAR(metrics.width(text, font), estimate.width(text, font),
                    0.04 * estimate.width(text, font))
            << dotsPerInch;
    }
}

} // namespace
} // namespace flowmar
