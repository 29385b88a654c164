// Drawings made through the window's own controls stay exactly as they were
// before the pointer, keyboard and picture commands came in: each picture's
// fingerprint was taken from the plotter as it stood then. The curve's random
// colour depends on how many drawings the process made before, so its pixels
// are counted by position, not by colour.

#include "Plot_Fixture.h"

#include <QCryptographicHash>
#include <vector>

namespace {

std::string Fingerprint(const QImage &image, std::uint32_t curve) {
    std::vector<std::uint32_t> pixels;
    pixels.reserve(std::size_t(image.width()) * std::size_t(image.height()) + 2);
    pixels.push_back(std::uint32_t(image.width()));
    pixels.push_back(std::uint32_t(image.height()));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const std::uint32_t colour = Drawing_Surface::From_Rgb(image.pixel(x, y));
            pixels.push_back(colour == curve ? 0xFF000000u : colour);
        }
    return QCryptographicHash::hash(
               QByteArrayView(reinterpret_cast<const char *>(pixels.data()),
                              qsizetype(pixels.size() * sizeof(std::uint32_t))),
               QCryptographicHash::Sha1)
        .toHex()
        .left(16)
        .toStdString();
}

TEST_F(Plot, DrawingsThroughTheControlsAreUnchangedPixelForPixel) {
    struct Case {
        const char *name;
        std::function<void()> draw;
        const char *fingerprint;
    };
    const Case cases[] = {
        {"sine at the default view", [&] { Draw("sin(x)*10"); }, "622c3ea384433fb3"},
        {"after a move to the left", [&] { Click("CommandButton2"); }, "254ccead8c26aeba"},
        {"after a move up", [&] { Click("CommandButton1"); }, "aa92f4cab06484db"},
        {"ticks of height 100",
         [&] {
             Click("Reversion");
             Draw("x*x/20", "30", "10", "0.1");
         },
         "471ba0de45b7d415"},
        {"ticks of height 70", [&] { Draw("1/x", "100", "100", "0.1"); }, "e9c3b320e12485ea"},
        {"ticks of height 40", [&] { Draw("sin(x)", "3000", "1000", "0.01"); }, "39f226efb8d554a1"},
        {"parametric circle",
         [&] {
             Find<QCheckBox>("Parameter_Equation")->setChecked(true);
             Type("X_Expression", "cos(x)");
             Draw("sin(x)", "100", "100", "0.01");
         },
         "c55c60ae8a88fa4f"},
        {"polar cardioid",
         [&] {
             Find<QCheckBox>("Check1")->setChecked(true);
             Draw("1+cos(x)", "50", "30", "0.01");
         },
         "d298ce92773ade8e"},
    };
    for (const auto &c : cases) {
        Platform::Clear_Recording();
        c.draw();
        const std::string seen = Fingerprint(Surface()->Image(), std::uint32_t(Curve()));
        EXPECT_EQ(seen, c.fingerprint) << c.name;
    }
}

} // namespace
