#include "konzole.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>

// Puts `text` on standard input, after taking whatever an earlier test left
// pending: reading numbers and lines until the input ends empties it.
static void Vstup(const std::string& text) {
  int32_t cislo;
  while (NacistCislo(cislo) != KonecVstupu)
    ZahoditRadek();
  std::FILE* soubor = std::tmpfile();
  ASSERT_NE(soubor, nullptr);
  std::fwrite(text.data(), 1, text.size(), soubor);
  std::rewind(soubor);
  ASSERT_EQ(dup2(fileno(soubor), STDIN_FILENO), STDIN_FILENO);
  std::fclose(soubor);
}

// Runs the reads named in `kroky` (c: a number, p: a pause, z: the rest of
// the line) and tells what each number read gave: its value, N for no
// number, M for out of range, E for the end of input.
static std::string Precist(const std::string& kroky) {
  std::string vysledky;
  for (char krok : kroky) {
    if (krok == 'p') {
      Pauza("");
    } else if (krok == 'z') {
      ZahoditRadek();
    } else {
      int32_t cislo = 99;
      Cteni cteni = NacistCislo(cislo);
      if (cteni != Precteno) {
        EXPECT_EQ(cislo, 99) << "only a number read changes the count";
      }
      if (!vysledky.empty())
        vysledky += ' ';
      vysledky += cteni == Precteno     ? std::to_string(cislo)
                  : cteni == NeniCislo  ? "N"
                  : cteni == MimoRozsah ? "M"
                                        : "E";
    }
  }
  return vysledky;
}

TEST(NacistCislo, ReadsAsScanfDoes) {
  struct {
    const char* vstup;
    const char* kroky;
    const char* vysledky;
  } pripady[] = {
      {"42\n", "cpc", "42 E"},        // the pause takes the line end
      {"  \t\n\n 7\n", "c", "7"},     // empty lines do not end the read
      {"\r\n\v\f9", "c", "9"},        // every kind of white space
      {"+5 -6\n", "cc", "5 -6"},      // signs
      {"-0\n", "c", "0"},             //
      {"007\n", "c", "7"},            // leading zeros
      {"12abc\n", "ccpc", "12 N N"},  // letters after digits stay pending
      {"3 4\n", "cpc", "3 4"},        // the pause takes the blank, not 4
      {"abc\n", "cczc", "N N E"},     // a word stays until it is thrown away
      {"abc\n", "cpppc", "N E"},      // ... or a pause takes each letter
      {"ab\n0\n", "cpppc", "N 0"},
      {"-x\n", "cpc", "N E"},  // the sign is taken, x is left
      {"- 5\n", "cc", "N 5"},  // a lone sign is no number
      {"--5\n", "cpc", "N 5"},
      {"", "c", "E"},         // no input at all
      {"   \n\n", "c", "E"},  // only white space
      {"-", "c", "E"},        // a sign and the end
      {"2147483647\n", "c", "2147483647"},
      {"-2147483648\n", "c", "-2147483648"},
      {"2147483648\n", "cpc", "M E"},  // out of range: all digits are taken
      {"-2147483649\n", "c", "M"},
      {"99999999999999999999999999 8\n", "cc", "M 8"},
      {"1x\n2\n", "cczc", "1 N 2"},
  };
  for (auto& p : pripady) {
    SCOPED_TRACE(p.vstup);
    Vstup(p.vstup);
    EXPECT_EQ(Precist(p.kroky), p.vysledky);
  }
  vystupObsazeno = 0;  // the pauses' empty prompts
}

TEST(NacistCislo, NulIsNoDigit) {
  Vstup(
      std::string("\0"
                  "5\n",
                  3));
  EXPECT_EQ(Precist("cpc"), "N 5");
}

TEST(NacistCislo, TenMillionDigitsAreOneEntry) {
  Vstup(std::string(10'000'000, '9') + "\n3\n");
  EXPECT_EQ(Precist("cc"), "M 3");
}

TEST(NacistCislo, InputLongerThanAnyBuffer) {
  std::string vstup;
  for (int i = 0; i < 100000; i++)
    vstup += std::to_string(i) + "\n";
  Vstup(vstup);
  for (int i = 0; i < 100000; i++) {
    int32_t cislo = -1;
    ASSERT_EQ(NacistCislo(cislo), Precteno);
    ASSERT_EQ(cislo, i);
  }
  EXPECT_EQ(Precist("c"), "E");
}

static std::string Napsane() {
  std::string text(vystup, vystupObsazeno);
  vystupObsazeno = 0;
  return text;
}

TEST(Napsat, FillsFieldsInTurn) {
  Napsat("%d beznou harmoniku\n", {1});
  EXPECT_EQ(Napsane(), "1 beznou harmoniku\n");
  Napsat("Celkem jste otevreli %d beden.\n", {int64_t{5000000000}});
  EXPECT_EQ(Napsane(), "Celkem jste otevreli 5000000000 beden.\n");
  Napsat("za %d, s %.2f, domu %.2f.", {-3}, {6.15f, -13.849999});
  EXPECT_EQ(Napsane(), "za -3, s 6.15, domu -13.85.");
  Napsat("100% %x %", {7});
  EXPECT_EQ(Napsane(), "100% %x %");
}

TEST(Napsat, BannerRuleAndLines) {
  NapsatBanner();
  EXPECT_EQ(Napsane(), "\n\n======TRUHLOVYPRASKOVAC!======\n\n");
  NapsatCaru();
  EXPECT_EQ(Napsane(), "\n==============================\n\n");
  NapsatRadek("Je to tu!");
  EXPECT_EQ(Napsane(), "Je to tu!\n");
}

TEST(CislovanyText, WritesEachNumberAsPrintfWould) {
  // Runs of numbers that count up (carries, new digits, the largest and
  // smallest numbers) and numbers that jump, in both directions.
  struct {
    int64_t od, po;
  } useky[] = {{1, 120000},
               {5, 5},
               {999, 1001},
               {7, 12},
               {0, 11},
               {-12, 3},
               {99999, 100001},
               {1, 1},
               {2147483640, 2147483647},
               {INT64_MAX - 2, INT64_MAX},
               {INT64_MIN, INT64_MIN + 1},
               {9999999999999999, 10000000000000001}};
  CislovanyText bedna("%d. bedna -> ");
  for (auto& usek : useky) {
    std::string ocekavany, napsany;
    for (int64_t n = usek.od;; n++) {
      ocekavany += std::to_string(n) + ". bedna -> ";
      bedna.Napsat(n);
      if (vystupObsazeno > kVelikostVystupu / 2)
        napsany += Napsane();
      if (n == usek.po)
        break;
    }
    napsany += Napsane();
    ASSERT_EQ(napsany, ocekavany) << "from " << usek.od << " to " << usek.po;
  }
}
