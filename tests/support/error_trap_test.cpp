#include "support/error_trap.h"

#include <gtest/gtest.h>

#include <vector>

namespace gorbix {
namespace {

std::string lines(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (std::string_view part : parts) {
    if (!text.empty()) text.append(LineBreak);
    text.append(part);
  }
  return text;
}

TEST(TrapErrorText, PlaceAndDetailOnLinesOfTheirOwn) {
  EXPECT_EQ(TrapErrorText("UINI-GIS", "<General><>", false),
            lines({"An unexpected program error has been trapped.", "UINI-GIS", "<General><>"}));
}

TEST(TrapErrorText, EmptyPartsLeaveNoBlankLines) {
  EXPECT_EQ(TrapErrorText("", "", true),
            lines({"An unexpected program error has been trapped.", "The program must be terminated."}));
  EXPECT_EQ(TrapErrorText("", "", false), "An unexpected program error has been trapped.");
  EXPECT_EQ(TrapErrorText("", "detail", false),
            lines({"An unexpected program error has been trapped.", "detail"}));
}

struct Messages : MessageSink {
  std::vector<std::pair<std::string, std::string>> shown;
  void showMessage(std::string_view caption, std::string_view text) override {
    shown.emplace_back(caption, text);
  }
};

int terminations = 0;
void countTermination() { ++terminations; }

TEST(ErrorTrapper, ShowsTitledMessageAndEndsOnlyWhenAsked) {
  Messages messages;
  terminations = 0;
  ErrorTrapper trap(messages, &countTermination);

  trap.TrapError("UINI-PISTR", "<><L1>", false);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].first, "Gorbix");
  EXPECT_EQ(messages.shown[0].second, TrapErrorText("UINI-PISTR", "<><L1>", false));
  EXPECT_EQ(terminations, 0);

  trap.TrapError("STP", "?", true);
  EXPECT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(terminations, 1);
}

}  // namespace
}  // namespace gorbix
