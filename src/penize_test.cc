#include "penize.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <limits>
#include <random>
#include <string>

static std::string DveMista(double castka) {
  char text[64];
  std::snprintf(text, sizeof text, "%.2f", castka);
  return text;
}

TEST(Penize, WorkedExamples) {
  struct {
    int64_t bezne, vzacne, epicke, legendarni;
    int64_t cena;
    std::string vydelek, netto;
  } pripady[] = {
      {8, 1, 1, 0, 20, "6.15", "-13.85"},
      {0, 0, 0, 1, 2, "50.00", "48.00"},
      {10, 0, 0, 0, 20, "0.50", "-19.50"},
      {1, 1, 1, 1, 8, "55.80", "47.80"},
      // Single precision shows in the second decimal: the exact product
      // 838860.95 is not a float, the nearest one prints as .94.
      {(1 << 24) + 3, 0, 0, 0, 2 * ((1 << 24) + 3), "838860.94",
       "-32715577.06"},
      // Rounded to double first the product would become 2^22 exactly.
      {5 * ((1 << 24) + 1), 0, 0, 0, 10 * ((1 << 24) + 1), "4194304.50",
       "-163577865.50"},
  };
  for (auto& p : pripady) {
    SCOPED_TRACE(testing::Message() << p.bezne << " " << p.vzacne << " "
                                    << p.epicke << " " << p.legendarni);
    int64_t cena = Cena(p.bezne, p.vzacne, p.epicke, p.legendarni);
    float vydelek = Vydelek(p.bezne, p.vzacne, p.epicke, p.legendarni);
    EXPECT_EQ(cena, p.cena);
    EXPECT_EQ(DveMista(vydelek), p.vydelek);
    EXPECT_EQ(DveMista(double{vydelek} - double(cena)), p.netto);
  }
}

TEST(Penize, ExactValuesWhereDoubleRoundingWouldDiffer) {
  EXPECT_EQ(Vydelek((1 << 24) + 3, 0, 0, 0), 838860.9375f);
  EXPECT_EQ(Vydelek(5 * ((1 << 24) + 1), 0, 0, 0), 4194304.5f);
  // The double route the last case must not take.
  EXPECT_NE(static_cast<float>(5.0 * ((1 << 24) + 1) * 0.05), 4194304.5f);
}

TEST(Penize, TotalsPastThirtyTwoBitsDoNotOverflow) {
  int64_t velky = int64_t{1} << 40;
  EXPECT_EQ(Cena(velky, velky, velky, velky), int64_t{8} << 40);
  EXPECT_EQ(Vydelek(0, 0, velky, 0), 4.0f * 1099511627776.0f);
  EXPECT_EQ(Vydelek(0, 0, 0, velky), 50.0f * 1099511627776.0f);
}

// What an x87 build does with the same sums: long double carries a 64-bit
// significand there, and each store to the float rounds once.
static float VydelekX87(int64_t bezne, int64_t vzacne, int64_t epicke,
                        int64_t legendarni) {
  float vydelek = 0;
  vydelek = static_cast<float>(vydelek + static_cast<long double>(bezne) *
                                             static_cast<long double>(0.05));
  vydelek = static_cast<float>(vydelek + static_cast<long double>(vzacne) *
                                             static_cast<long double>(1.75));
  vydelek = static_cast<float>(vydelek + static_cast<long double>(epicke * 4));
  vydelek =
      static_cast<float>(vydelek + static_cast<long double>(legendarni * 50));
  return vydelek;
}

TEST(Penize, AgreesWithSixtyFourBitSignificandArithmetic) {
  if (std::numeric_limits<long double>::digits != 64)
    GTEST_SKIP() << "long double has no 64-bit significand here";
  std::mt19937_64 nahoda(2026);
  for (int i = 0; i < 200000; i++) {
    // Totals of every magnitude, from a handful to 2^50.
    auto pocet = [&] {
      int bitu = static_cast<int>(nahoda() % 51);
      return static_cast<int64_t>(nahoda() & ((uint64_t{1} << bitu) - 1));
    };
    int64_t b = pocet(), v = pocet(), e = pocet(), l = pocet();
    ASSERT_EQ(Vydelek(b, v, e, l), VydelekX87(b, v, e, l))
        << b << " " << v << " " << e << " " << l;
  }
}

TEST(Penize, AgreesNearTheSinglePrecisionHalfwayPoints) {
  if (std::numeric_limits<long double>::digits != 64)
    GTEST_SKIP() << "long double has no 64-bit significand here";
  // Around each power of two the float spacing changes and products land on
  // or near halfway points most often.
  for (int mocnina = 20; mocnina <= 40; mocnina++)
    for (int64_t d = -40; d <= 40; d++) {
      int64_t pocet = (int64_t{1} << mocnina) + d;
      ASSERT_EQ(Vydelek(pocet, 0, 0, 0), VydelekX87(pocet, 0, 0, 0)) << pocet;
      ASSERT_EQ(Vydelek(0, pocet, 0, 0), VydelekX87(0, pocet, 0, 0)) << pocet;
      ASSERT_EQ(Vydelek(pocet, pocet, 3, 1), VydelekX87(pocet, pocet, 3, 1))
          << pocet;
    }
}
