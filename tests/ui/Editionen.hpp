// Tests run in both editions: the test parameter is `Englisch`, set before each test
// and reset after it, and T gives the text of the edition under test.
#pragma once

#include <gtest/gtest.h>

#include <QString>

#include "Anwendungsumgebung.hpp"
#include "engine/ZenaroDef.hpp"

namespace zenaro::test {

class TEditionenTest : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override {
        Anwendung();
        Englisch = GetParam();
    }
    void TearDown() override { Englisch = false; }

    // The German or the English text (UTF-8), as the edition under test shows it.
    QString T(const char* deutsch, const char* englisch) const {
        return QString::fromUtf8(GetParam() ? englisch : deutsch);
    }
};

}  // namespace zenaro::test
