#include "harmoniky.h"

#include <gtest/gtest.h>

TEST(UrovenHodu, EveryBandEdgeAndTheRollsBetweenTheBands) {
  struct {
    int hod;
    Uroven uroven;
  } pripady[] = {
      {0, Bezna},     {7999, Bezna},  {8000, Vzacna},     {8074, Vzacna},
      {8075, Vzacna}, {9574, Vzacna}, {9575, Epicka},     {9674, Epicka},
      {9675, Epicka}, {9974, Epicka}, {9975, Legendarni}, {9999, Legendarni},
  };
  for (auto p : pripady)
    EXPECT_EQ(UrovenHodu(p.hod), p.uroven) << "roll " << p.hod;
}

TEST(UrovenHodu, BandWidthsOverAllRolls) {
  int kolik[4] = {};
  for (int hod = 0; hod < 10000; hod++)
    kolik[UrovenHodu(hod)]++;
  EXPECT_EQ(kolik[Bezna], 8000);
  EXPECT_EQ(kolik[Vzacna], 1575);
  EXPECT_EQ(kolik[Epicka], 400);
  EXPECT_EQ(kolik[Legendarni], 25);
}
