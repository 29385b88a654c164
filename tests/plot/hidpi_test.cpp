// The plot on a screen scaled to 200 %: the surface keeps its picture in the
// screen's own pixels, so a point is one device pixel, while positions and
// sizes keep their meaning in units of 1/1440 inch.

#include "Plot_Fixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <cmath>

namespace {

int Pixels_Of(const QImage &image, std::uint32_t colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += Drawing_Surface::From_Rgb(image.pixel(x, y)) == colour;
    return count;
}

TEST(Double_Ratio, APointIsOneDevicePixelAndUnitsKeepTheirMeaning) {
    Drawing_Surface surface;
    surface.resize(100, 50);
    surface.show();
    ASSERT_EQ(surface.devicePixelRatioF(), 2);
    ASSERT_EQ(surface.logicalDpiX(), 96);
    surface.Erase();
    EXPECT_DOUBLE_EQ(surface.Width(), 1500);
    EXPECT_DOUBLE_EQ(surface.Height(), 750);
    const QImage blank = surface.Image();
    EXPECT_EQ(blank.size(), QSize(200, 100));
    EXPECT_EQ(blank.devicePixelRatio(), 2);

    // two points half a logical pixel apart land on two neighbouring device pixels
    surface.Set_Point(150, 300, 77777);
    surface.Set_Point(157.5, 300, 77777);
    const QImage image = surface.Image();
    EXPECT_EQ(Pixels_Of(image, 77777), 2);
    EXPECT_EQ(Drawing_Surface::From_Rgb(image.pixel(20, 40)), 77777u);
    EXPECT_EQ(Drawing_Surface::From_Rgb(image.pixel(21, 40)), 77777u);
    EXPECT_EQ(surface.Color_At(157.5, 307), 77777);
    EXPECT_EQ(surface.Color_At(165, 300), int(Drawing_Surface::Background));

    // a tick of 100 units is one device pixel wide and 100 / 7.5 pixels high
    surface.Line(300, 600, 300, 500, 111111);
    EXPECT_EQ(Pixels_Of(surface.Image(), 111111), 80 - 66 + 1);
    for (int y = 66; y <= 80; ++y)
        EXPECT_EQ(Drawing_Surface::From_Rgb(surface.Image().pixel(40, y)), 111111u) << y;

    // what is drawn keeps its place when the surface grows
    surface.resize(120, 60);
    EXPECT_EQ(surface.Color_At(157.5, 300), 77777);
    EXPECT_EQ(surface.Image().size(), QSize(240, 120));
}

TEST_F(Plot, AtDoubleRatioTheDrawingKeepsItsUnitsAndItsPointsAreSharp) {
    ASSERT_EQ(Surface()->devicePixelRatioF(), 2);
    Draw("20");
    // the range is that of the design size, as at a ratio of 1
    EXPECT_EQ(Text("Fun_min"), "-271");
    EXPECT_EQ(Text("Fun_max"), "271");
    // x = -270 … 270 fall strictly inside the surface: one device pixel each
    const QImage image = Surface()->Image();
    EXPECT_EQ(image.size(), Surface()->size() * 2);
    EXPECT_EQ(Pixels_Of(image, std::uint32_t(Curve())), 541);
    EXPECT_EQ(At(0, 20), Curve());
    const int px = int(std::floor(Sx(0) / 7.5)), py = int(std::floor(Sy(20) / 7.5));
    EXPECT_EQ(Drawing_Surface::From_Rgb(image.pixel(px, py)), std::uint32_t(Curve()));
    EXPECT_NE(Drawing_Surface::From_Rgb(image.pixel(px, py + 1)), std::uint32_t(Curve()));

    // the pointer's coordinates and a drag count in units, as at a ratio of 1
    Draw("x/2");
    QMouseEvent move(QEvent::MouseMove, QPointF(200, 84), Surface()->mapToGlobal(QPointF(200, 84)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(Surface(), &move);
    EXPECT_EQ(Find<QLabel>("Coordinate_Line")->text().toStdString(),
              "x = 29.25 y = 14.5 f(x) = 14.625");
    QTest::mousePress(Surface(), Qt::LeftButton, Qt::NoModifier, QPoint(100, 100));
    QTest::mouseMove(Surface(), QPoint(110, 96));
    QTest::mouseRelease(Surface(), Qt::LeftButton, Qt::NoModifier, QPoint(110, 96));
    EXPECT_EQ(w->State().Shift_X, 150);
    EXPECT_EQ(w->State().Shift_Y, -170 - 60);

    // the picture is copied in the screen's own pixels
    w->findChild<QAction *>("Copy_Picture")->trigger();
    EXPECT_EQ(Platform::Clipboard_Image().convertToFormat(QImage::Format_RGB32),
              Surface()->Image());
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // a screen scaled to 200 %, whatever the desktop running the tests says
    qputenv("QT_SCALE_FACTOR", "2");
    qunsetenv("QT_FONT_DPI");
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
