// Test entry point. Takes the locale from the environment, as a real host does, so that the
// suite run under LC_ALL=de_DE.UTF-8 proves that no number text follows LC_NUMERIC.
#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv) {
  std::setlocale(LC_ALL, "");
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
