#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <vector>

#include "gui/controls/validating_field.h"
#include "qt_printers.h"

// The messages the number fields give, recorded instead of shown, and the
// one several tests provoke.
namespace hueset::gui::test {

struct Shown {
  QString title;
  QString text;
};

inline void recordMessages(FieldSupport& support, std::vector<Shown>& shown) {
  support.setMessageFunction([&shown](QWidget*, const QString& title, const QString& text) {
    shown.push_back({title, text});
  });
}

// One message, for 1000 typed as the minimum length of an elided region.
inline void expectElidedLengthRefused(const std::vector<Shown>& shown) {
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].title, QStringLiteral("Minimum Length of the Elided Region  Out of Bounds"));
  EXPECT_EQ(shown[0].text,
            QStringLiteral("[3 < \"Minimum Length of the Elided Region \" <= 999]\n\n"
                           "Please enter a value for the Minimum Length of the Elided Region  "
                           "which is\nmore than 3 and\nless than or equal to 999"));
}

}  // namespace hueset::gui::test
