#pragma once
// A main window for tests: the built-in dial, German, messages recorded, shown
// offscreen at a fixed size and activated as at start-up.
#include "app/Hauptfenster.h"

#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace skiora::app::test {

void QtStarten();

class FensterTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    template <class T> T* finde(const char* name) {
        T* w = fenster->findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // Types into a field as a user would, then leaves it.
    void tippe(QLineEdit* feld, const QString& text);
    void verlasse(QWidget* feld);
    std::string letzteMeldung() const;

    SammelMelder melder;
    QTemporaryDir startOrdner; // the start configuration's folder, empty at first
    std::unique_ptr<Hauptfenster> fenster;
};

} // namespace skiora::app::test
