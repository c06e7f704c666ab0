// The built game played on piped input, its whole transcript compared.
#include <gtest/gtest.h>

#include "prepis.h"
#include "spusteni.h"

// Written out in full once, as a player sees it in a saved transcript: the
// intro, one count screen, the final statement of a game with no crates.
TEST(Hra, ZeroAtTheFirstPrompt) {
  Beh beh = Spustit({CestaKeHre()}, "\n0\n\n\n");
  ASSERT_TRUE(beh.vcas);
  EXPECT_EQ(beh.stav, 0);
  EXPECT_EQ(beh.vystup,
            "\n\n======TRUHLOVYPRASKOVAC!======\n\n"
            "Princip je jednoduchy.\n"
            "Zadate pocet otevrenych beden a ty se otevrou\n"
            "Podle vaseho stesti dostane jednu ze ctyr moznosti harmonik.\n"
            "1. Beznou\n2. Vzacnou\n3. Epickou\n4. Legendarni\n"
            "Taky se vam bude ukazovat kolik uz jste otevreli beden a kolik "
            "jste celkem utratili.\n"
            "No a to je vlastne vsechno.\n"
            "\n==============================\n\n"
            "Stisknete cokoliv pro pokracovani (ENTER)"
            "\f\n\n======TRUHLOVYPRASKOVAC!======\n\n"
            "Kolik beden si prejet otevrit? (0 - 2 miliardy): "
            "Pozn. Jedna bedna stoji 2 eura."
            "\n==============================\n\n"
            "Stisknete cokoliv pro pokracovani"
            "\f\n\n======TRUHLOVYPRASKOVAC!======\n\n"
            "Uzasna prace! Neotevreli jste ani jednu bednu a uz odchazite.\n"
            "\n==============================\n\n"
            "Stisknete cokoliv pro ukonceni");
}

// Each case: what the player types, and the screens the game must show for
// it. A pause takes one character, so after a count the line end is taken
// by the pause that follows it and each later pause needs a line of its own.
struct Pripad {
  const char* nazev;
  std::string vstup;
  std::function<void(Prepis&)> obrazovky;
};

static const Pripad kPripady[] = {
    {"ThreeTurns", "\n3\n\n\n1\n\n\n250\n\n\n0\n\n",
     [](Prepis& p) {
       p.Zadani().Otevreni(3).Zadani().Otevreni(1).Zadani().Otevreni(250);
       p.Zadani().Konec();
     }},
    {"NegativeThenThree", "\n-5\n3\n\n\n0\n\n",
     [](Prepis& p) { p.Zadani(2).Otevreni(3).Zadani().Konec(); }},
    {"ManyNegatives", "\n-1\n-2\n-2147483648\n-0\n",
     [](Prepis& p) { p.Zadani(4).Konec(); }},
    // The count stays 0 when no number is read: a word ends the game.
    {"WordAtThePrompt", "\nahoj\n", [](Prepis& p) { p.Zadani().Konec(); }},
    // After a negative entry the word's line is thrown away and asked again.
    {"WordAfterANegative", "\n-1\nahoj\n2\n\n\n0\n\n",
     [](Prepis& p) { p.Zadani(3).Otevreni(2).Zadani().Konec(); }},
    // A number beyond 32 bits is no count a player can have: asked again.
    {"OutOfRange", "\n2147483648\n99999999999999999999\n4\n\n\n0\n",
     [](Prepis& p) { p.Zadani(3).Otevreni(4).Zadani().Konec(); }},
    {"PlusSignAndBlanks", "\n  \n\t+2\n\n\n0\n",
     [](Prepis& p) { p.Zadani().Otevreni(2).Zadani().Konec(); }},
    // The letters after a number are taken one by one by the pauses.
    {"NumberThenLetters", "\n7abc\n0\n",
     [](Prepis& p) { p.Zadani().Otevreni(7).Zadani().Konec(); }},
    {"EmptyInput", "", [](Prepis& p) { p.Zadani().Konec(); }},
    {"EndsAfterTheIntro", "\n", [](Prepis& p) { p.Zadani().Konec(); }},
    // Input ends in the middle of a turn: the game still plays it through.
    {"EndsAfterACount", "\n5",
     [](Prepis& p) { p.Zadani().Otevreni(5).Zadani().Konec(); }},
    {"EndsAtTheOpeningPause", "\n5\n",
     [](Prepis& p) { p.Zadani().Otevreni(5).Zadani().Konec(); }},
    {"WindowsLineEnds", "\r\n3\r\n\r\n\r\n0\r\n\r\n",
     [](Prepis& p) { p.Zadani().Otevreni(3).Zadani().Konec(); }},
};

// Named in failures by the case's name, not by its bytes.
void PrintTo(const Pripad& p, std::ostream* os) { *os << p.nazev; }

class Hry : public testing::TestWithParam<Pripad> {};

TEST_P(Hry, WholeTranscript) {
  Prepis ocekavany(HodyTetoPlatformy(kCas));
  ocekavany.Uvod();
  GetParam().obrazovky(ocekavany);

  Beh beh = Spustit(HraSeStojicimCasem(), GetParam().vstup);
  ASSERT_TRUE(beh.vcas) << "the game did not end";
  EXPECT_EQ(beh.stav, 0);
  EXPECT_EQ(beh.vystup, ocekavany.Text());
}

INSTANTIATE_TEST_SUITE_P(Hra, Hry, testing::ValuesIn(kPripady),
                         [](const auto& p) { return p.param.nazev; });

// The rolls come from the clock: games started in one second are the same
// game, games started in other seconds are other games.
TEST(Hra, SeededFromTheClock) {
  const std::string vstup = "\n400\n\n\n0\n\n";
  auto hra = [&](const char* cas) {
    return Spustit({"faketime", cas, CestaKeHre()}, vstup).vystup;
  };
  auto ocekavana = [&](unsigned seminko) {
    Prepis p(HodyTetoPlatformy(seminko));
    return p.Uvod().Zadani().Otevreni(400).Zadani().Konec().Text();
  };
  // The clock runs on from the time given; a game takes far less than a
  // second.
  std::string prvni = hra("2026-01-01 12:00:00");
  EXPECT_EQ(prvni, ocekavana(kCas));
  EXPECT_EQ(hra("2026-01-01 12:00:00"), prvni);
  EXPECT_EQ(hra("2026-01-01 12:00:07"), ocekavana(kCas + 7));
  EXPECT_NE(ocekavana(kCas + 7), prvni);
}
