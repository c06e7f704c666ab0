#include "tvar_poctu.h"

#include <gtest/gtest.h>

#include <string>

TEST(TvarPoctu, OneTwoToFourFiveAndMore) {
  struct {
    int64_t pocet;
    std::string tvar;
  } pripady[] = {
      {1, "1"},
      {2, "2-4"},
      {3, "2-4"},
      {4, "2-4"},
      {5, "5+"},
      {11, "5+"},
      {21, "5+"},
      {22, "5+"},
      {101, "5+"},
      {2147483647, "5+"},
      {int64_t{1} << 40, "5+"},
  };
  for (auto& p : pripady)
    EXPECT_EQ(TvarPoctu(p.pocet, "1", "2-4", "5+"), p.tvar) << p.pocet;
}
