#include "tests/Program_State.h"
#include "ui/plot/Drawing_Surface.h"

#include <gtest/gtest.h>

namespace {

// 15 units to a pixel at 96 dots per inch
constexpr double U = 15;

struct Surface : ::testing::Test {
    Drawing_Surface surface;
    void SetUp() override {
        Reset_Program_State();
        ASSERT_EQ(surface.logicalDpiX(), 96);
        surface.resize(100, 50);
        surface.Erase();
    }
    std::uint32_t At(int px, int py) {
        return Drawing_Surface::From_Rgb(surface.Image().pixel(px, py));
    }
};

TEST_F(Surface, SizeUnitsAndColourBytes) {
    EXPECT_DOUBLE_EQ(surface.Width(), 100 * U);
    EXPECT_DOUBLE_EQ(surface.Height(), 50 * U);
    // red in the lowest byte: 77777 is red 209, green 47, blue 1
    EXPECT_EQ(Drawing_Surface::To_Rgb(77777), qRgb(209, 47, 1));
    EXPECT_EQ(Drawing_Surface::To_Rgb(777777), qRgb(49, 222, 11));

    surface.Set_Point(10 * U + 7, 20 * U + 14, 77777);
    EXPECT_EQ(At(10, 20), 77777u);
    EXPECT_EQ(surface.Color_At(10 * U, 20 * U), 77777);
    EXPECT_EQ(At(11, 20), Drawing_Surface::Background);
    EXPECT_EQ(surface.Color_At(-1, 0), -1);
    EXPECT_EQ(surface.Color_At(100 * U, 0), -1);

    // points off the surface or not numbers at all are ignored
    const double off[][2] = {{-0.5, 10}, {100 * U, 10}, {10, 50 * U}, {1e300, 1e300}, {NAN, 3}};
    for (const auto &p : off) surface.Set_Point(p[0], p[1], 1);
    EXPECT_EQ(surface.Image().pixel(0, 10), Drawing_Surface::To_Rgb(Drawing_Surface::Background));

    surface.Erase();
    EXPECT_EQ(At(10, 20), Drawing_Surface::Background);
}

TEST_F(Surface, LinesCoverBothEndsAndClip) {
    surface.Line(5 * U, 40 * U, 5 * U, 30 * U + 1, 111111); // upwards, both ends set
    for (int y = 30; y <= 40; ++y) EXPECT_EQ(At(5, y), 111111u) << y;
    EXPECT_EQ(At(5, 29), Drawing_Surface::Background);
    EXPECT_EQ(At(5, 41), Drawing_Surface::Background);

    surface.Line(0, 2 * U, 100 * U, 2 * U, 67543); // across the whole width
    for (int x = 0; x < 100; ++x) ASSERT_EQ(At(x, 2), 67543u) << x;

    surface.Line(0, 0, 10 * U, 10 * U, 5); // diagonal
    for (int i = 0; i <= 10; ++i) EXPECT_EQ(At(i, i), 5u) << i;
    EXPECT_EQ(At(11, 11), Drawing_Surface::Background);

    // far beyond the surface, or not numbers: clipped or skipped without harm
    surface.Line(-1e30, 45 * U, 1e30, 45 * U, 7);
    EXPECT_EQ(At(50, 45), 7u);
    surface.Line(NAN, 0, 10, 10, 9);
    surface.Line(1e300, -1e300, 1e300, 1e300, 9);
}

TEST_F(Surface, ResizingKeepsThePicture) {
    surface.Set_Point(90 * U, 40 * U, 123456);
    surface.resize(200, 120);
    EXPECT_EQ(At(90, 40), 123456u);
    EXPECT_EQ(At(150, 100), Drawing_Surface::Background);
    surface.resize(95, 45);
    surface.resize(100, 50);
    EXPECT_EQ(At(90, 40), 123456u);
    EXPECT_DOUBLE_EQ(surface.Width(), 100 * U);
}

// A hidden surface gets no resize event: points set right after a resize,
// with nothing else drawn in between, still follow the new size.
TEST_F(Surface, PointsFollowAResizeWithoutAnEvent) {
    ASSERT_FALSE(surface.isVisible());
    surface.resize(200, 120);
    surface.Set_Point(150 * U, 100 * U, 4242);
    EXPECT_EQ(At(150, 100), 4242u);
    surface.resize(60, 30);
    surface.Set_Point(70 * U, 10 * U, 99); // beyond the new right edge
    surface.Set_Point(59 * U, 29 * U, 98); // the last pixel still inside
    EXPECT_EQ(surface.Image().size(), QSize(60, 30));
    EXPECT_EQ(At(59, 29), 98u);
    EXPECT_EQ(surface.Color_At(70 * U, 10 * U), -1);

    // a picture taken before is a copy: later points do not reach it
    const QImage before = surface.Image();
    surface.Set_Point(10 * U, 10 * U, 77777);
    EXPECT_EQ(At(10, 10), 77777u);
    EXPECT_EQ(Drawing_Surface::From_Rgb(before.pixel(10, 10)), Drawing_Surface::Background);
}

} // namespace
