#pragma once
// Shows the document's messages in a modal message box with one OK button.
#include "core/Melder.h"

#include <QString>

class QWidget;

namespace skiora::app {

// "\r", "\n", "\r\n" and "\n\r" each become one line break.
QString Zeilenumbrueche(const std::string& text);

class DialogMelder : public Melder {
  public:
    explicit DialogMelder(QWidget* eltern) : eltern_(eltern) {}
    void Zeige(const std::string& text, const std::string& titel, Symbol symbol) override;

  private:
    QWidget* eltern_;
};

} // namespace skiora::app
