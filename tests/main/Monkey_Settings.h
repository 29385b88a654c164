#pragma once
// The random-use tests run a fixed seed and step count in CI; a roaming run
// (scripts/roam.sh) hands them fresh ones through the environment:
//   QUORVEX_MONKEY_SEED   seed of the random generator
//   QUORVEX_MONKEY_STEPS  number of steps

#include <QByteArray>
#include <QtGlobal>
#include <cstdint>
#include <gtest/gtest.h>

struct Monkey_Settings {
    std::uint32_t seed;
    long long steps;

    static Monkey_Settings From_Environment(std::uint32_t default_seed, long long default_steps) {
        Monkey_Settings settings{default_seed, default_steps};
        bool ok = false;
        const QByteArray seed = qgetenv("QUORVEX_MONKEY_SEED");
        if (!seed.isEmpty()) {
            const qulonglong value = seed.toULongLong(&ok);
            EXPECT_TRUE(ok && value <= 0xFFFFFFFFu) << "QUORVEX_MONKEY_SEED=" << seed.data();
            if (ok) settings.seed = std::uint32_t(value);
        }
        const QByteArray steps = qgetenv("QUORVEX_MONKEY_STEPS");
        if (!steps.isEmpty()) {
            const long long value = steps.toLongLong(&ok);
            EXPECT_TRUE(ok && value > 0) << "QUORVEX_MONKEY_STEPS=" << steps.data();
            if (ok && value > 0) settings.steps = value;
        }
        // a failure names what reproduces it
        ::testing::Test::RecordProperty("seed", std::to_string(settings.seed));
        ::testing::Test::RecordProperty("steps", std::to_string(settings.steps));
        return settings;
    }
};
