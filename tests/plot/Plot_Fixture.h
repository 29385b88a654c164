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
    }

    // surface position of the curve point (X, Y) in the current view
    double Cx() { return float(Surface()->Width() / 2); }
    double Cy() { return float(Surface()->Height() / 2); }
    double Sx(double X) { return Cx() + w->State().X_Scale * X + w->State().Shift_X; }
    double Sy(double Y) { return Cy() - w->State().Y_Scale * Y + w->State().Shift_Y; }
    std::int32_t At(double X, double Y) { return Surface()->Color_At(Sx(X), Sy(Y)); }
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
