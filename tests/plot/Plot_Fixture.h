#pragma once
// A plot window opened as the user opens it, with helpers to act on its controls
// by name and to read the surface at curve coordinates.

#include "engine/CalcModule.h"
#include "tests/Program_State.h"
#include "ui/platform/Platform.h"
#include "ui/plot/Drawing_Surface.h"
#include "ui/plot/Func_Image.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

struct Plot : ::testing::Test {
    std::unique_ptr<Func_Image> w;

    void SetUp() override {
        Reset_Program_State();
        w = std::make_unique<Func_Image>();
        w->show();
    }
    void TearDown() override {
        w.reset();
        Reset_Program_State();
    }

    template <class T> T *Find(const QString &name) {
        T *control = w->findChild<T *>(name);
        if (!control) ADD_FAILURE() << "no control " << name.toStdString();
        return control;
    }
    Drawing_Surface *Surface() { return Find<Drawing_Surface>("Picture1"); }
    void Click(const QString &name) { QTest::mouseClick(Find<QPushButton>(name), Qt::LeftButton); }
    void Type(const QString &name, const QString &text) {
        auto *box = Find<QLineEdit>(name);
        box->clear();
        QTest::keyClicks(box, text);
    }
    void Type_Combo(const QString &name, const QString &text) {
        auto *combo = Find<QComboBox>(name);
        combo->lineEdit()->clear();
        QTest::keyClicks(combo->lineEdit(), text);
    }
    QString Text(const QString &name) { return Find<QLineEdit>(name)->text(); }
    void Draw(const QString &y, const QString &x_zoom = "10", const QString &y_zoom = "10",
              const QString &density = "1") {
        Type("Y_Expression", y);
        Type_Combo("X_Zoom", x_zoom);
        Type_Combo("Y_Zoom", y_zoom);
        Type_Combo("Density", density);
        Click("Display");
        zoom_x = x_zoom.toDouble();
        zoom_y = y_zoom.toDouble();
    }

    // Where a curve point should land, worked out from what the test did and
    // never read back from the window: the origin starts 170 units above the
    // surface's centre, at (2707.5, 1405) at the design size, and moves as far
    // as the test moved it; a zoom z puts z units between whole numbers of the
    // curve. Draw() notes the zooms it typed; a test that moves the view says
    // so with Moved().
    double zoom_x = 10, zoom_y = 10;
    double moved_x = 0, moved_y = 0;
    void Moved(double dx, double dy) {
        moved_x += dx;
        moved_y += dy;
    }
    double Cx() { return Surface()->Width() / 2; }
    double Cy() { return Surface()->Height() / 2; }
    double Sx(double X) { return Cx() + moved_x + zoom_x * X; }
    double Sy(double Y) { return Cy() - 170 + moved_y - zoom_y * Y; }
    std::int32_t At(double X, double Y) { return Surface()->Color_At(Sx(X), Sy(Y)); }
    // the curve point at the centre of a pixel of the picture
    double Curve_X(int px) { return ((px + 0.5) * 15 - Sx(0)) / zoom_x; }
    double Curve_Y(int py) { return (Sy(0) - (py + 0.5) * 15) / zoom_y; }
    std::int32_t Curve() { return std::int32_t(w->State().Curve_Color); }

    QSet<std::uint32_t> Colours() {
        QSet<std::uint32_t> seen;
        const QImage image = Surface()->Image();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                seen.insert(Drawing_Surface::From_Rgb(image.pixel(x, y)));
        return seen;
    }
};
