// What players and scripts really send: the game always ends, with status
// 0, and shows the screens the input asks for.
#include <gtest/gtest.h>
#include <signal.h>

#include <random>

using namespace std::string_literals;

#include "prepis.h"
#include "spusteni.h"

static std::string Ocekavany(const std::function<void(Prepis&)>& obrazovky) {
  Prepis p(HodyTetoPlatformy(kCas));
  p.Uvod();
  obrazovky(p);
  return p.Text();
}

static void OcekavatKonec(const Beh& beh) {
  ASSERT_TRUE(beh.vcas) << "the game did not end";
  EXPECT_EQ(beh.signal, 0);
  EXPECT_EQ(beh.stav, 0);
}

TEST(NepratelskyVstup, NoInputAtAll) {
  std::string prazdna = Ocekavany([](Prepis& p) { p.Zadani().Konec(); });
  Spusteni zavreny;
  zavreny.prikaz = HraSeStojicimCasem();
  zavreny.bezVstupu = true;
  Spusteni devNull;
  devNull.prikaz = HraSeStojicimCasem();
  devNull.vstupZ = "/dev/null";
  for (const Spusteni& s : {zavreny, devNull}) {
    Beh beh = Spustit(s);
    OcekavatKonec(beh);
    EXPECT_EQ(beh.vystup, prazdna);
  }
}

TEST(NepratelskyVstup, ControlBytes) {
  // NUL and the like are no number: after a negative count they are thrown
  // away with their line, at the first prompt they leave the count 0.
  std::string vstup = "\n-1\n\0\x01\x1b[A\x7f\n2\n\n\n\0"s;
  Beh beh = Spustit(HraSeStojicimCasem(), vstup);
  OcekavatKonec(beh);
  EXPECT_EQ(beh.vystup, Ocekavany([](Prepis& p) {
              p.Zadani(3).Otevreni(2).Zadani().Konec();
            }));
}

TEST(NepratelskyVstup, TenMillionDigits) {
  // Too big for any count: the whole line is one entry, asked again.
  Beh velke = Spustit(HraSeStojicimCasem(),
                      "\n" + std::string(10'000'000, '9') + "\n3\n\n\n0\n");
  OcekavatKonec(velke);
  EXPECT_EQ(velke.vystup, Ocekavany([](Prepis& p) {
              p.Zadani(2).Otevreni(3).Zadani().Konec();
            }));
  // Leading zeros add nothing: this is a count of 4.
  Beh nuly = Spustit(HraSeStojicimCasem(),
                     "\n" + std::string(10'000'000, '0') + "4\n\n\n0\n");
  OcekavatKonec(nuly);
  EXPECT_EQ(nuly.vystup, Ocekavany([](Prepis& p) {
              p.Zadani().Otevreni(4).Zadani().Konec();
            }));
}

TEST(NepratelskyVstup, LongLineOfLettersAfterANegative) {
  Beh beh = Spustit(HraSeStojicimCasem(),
                    "\n-3\n" + std::string(10'000'000, 'x') + "\n1\n\n\n0\n");
  OcekavatKonec(beh);
  EXPECT_EQ(beh.vystup, Ocekavany([](Prepis& p) {
              p.Zadani(3).Otevreni(1).Zadani().Konec();
            }));
}

TEST(NepratelskyVstup, HundredThousandNegatives) {
  std::string vstup = "\n";
  for (int i = 0; i < 100'000; i++)
    vstup += "-1\n";
  Beh beh = Spustit(HraSeStojicimCasem(), vstup);
  OcekavatKonec(beh);
  EXPECT_EQ(beh.vystup,
            Ocekavany([](Prepis& p) { p.Zadani(100'001).Konec(); }));
}

TEST(NepratelskyVstup, RandomBytes) {
  // Whatever the bytes, each count is at most 99 (two digits), so the game
  // is short; it must end once the input does.
  std::mt19937 nahoda(2026);
  for (int pokus = 0; pokus < 20; pokus++) {
    std::string vstup;
    for (int i = 0; i < 100'000; i++) {
      char znak = static_cast<char>(nahoda());
      vstup += znak >= '0' && znak <= '9' && !vstup.empty() &&
                       vstup.back() >= '0' && vstup.back() <= '9'
                   ? '\n'
                   : znak;
    }
    OcekavatKonec(Spustit(HraSeStojicimCasem(), vstup));
  }
}

TEST(NepratelskyVstup, OutputNobodyTakes) {
  const std::string vstup = "\n100000\n\n\n0\n\n";
  // Run without faketime, which would hide the signal behind its own status.
  Spusteni plny;
  plny.prikaz = {CestaKeHre()};
  plny.vstup = vstup;
  plny.vystupDo = "/dev/full";
  OcekavatKonec(Spustit(plny));

  // A pipe whose reader has gone ends the game with SIGPIPE, as for any
  // program; with SIGPIPE ignored it plays on to the end and exits with 0.
  Spusteni roura = plny;
  roura.vystupDo = nullptr;
  roura.zavrenaRoura = true;
  Beh zabita = Spustit(roura);
  ASSERT_TRUE(zabita.vcas);
  EXPECT_EQ(zabita.signal, SIGPIPE);
  roura.ignorovatSigpipe = true;
  OcekavatKonec(Spustit(roura));
}
