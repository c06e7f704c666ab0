// The game on a real pseudo-terminal: colours and clearing as escape
// sequences, and the terminal's attributes reset when the game ends.
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>

#include "prepis.h"
#include "spusteni.h"

namespace {

// A game on a pseudo-terminal with echo off, so the screen holds only what
// the game wrote.
struct Terminal {
  pid_t pid = -1;
  int pty = -1;
  std::string obrazovka;

  explicit Terminal(std::vector<std::string> prikaz) {
    termios nastaveni{};
    cfmakeraw(&nastaveni);
    nastaveni.c_iflag = ICRNL;
    nastaveni.c_oflag = OPOST | ONLCR;
    nastaveni.c_lflag = ICANON | ISIG;
    nastaveni.c_cflag = CS8 | CREAD;
    nastaveni.c_cc[VINTR] = 3;
    nastaveni.c_cc[VMIN] = 1;
    winsize velikost = {50, 120, 0, 0};
    pid = forkpty(&pty, nullptr, &nastaveni, &velikost);
    if (pid == 0) {
      setenv("TERM", "xterm-256color", 1);
      std::vector<char*> argv;
      for (std::string& slovo : prikaz)
        argv.push_back(slovo.data());
      argv.push_back(nullptr);
      execvp(argv[0], argv.data());
      _exit(127);
    }
  }

  ~Terminal() {
    if (pid > 0) {
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
    }
    if (pty >= 0)
      close(pty);
  }

  void Napsat(const std::string& text) {
    ssize_t zapsano = write(pty, text.data(), text.size());
    ASSERT_EQ(zapsano, static_cast<ssize_t>(text.size()));
  }

  // Reads the screen until it holds `hledany`, or until the game has ended
  // when `hledany` is empty.
  bool Cist(const std::string& hledany = "") {
    auto konec = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (hledany.empty() || obrazovka.find(hledany) == std::string::npos) {
      pollfd cekani = {pty, POLLIN, 0};
      if (std::chrono::steady_clock::now() > konec ||
          poll(&cekani, 1, 1000) < 0)
        return false;
      if (!(cekani.revents & (POLLIN | POLLHUP)))
        continue;
      char kus[65536];
      ssize_t precteno = read(pty, kus, sizeof kus);
      if (precteno <= 0)
        return hledany.empty();  // the game has ended and closed the terminal
      obrazovka.append(kus, static_cast<size_t>(precteno));
    }
    return true;
  }

  int Konec() {
    int stav = 0;
    waitpid(pid, &stav, 0);
    pid = -1;
    return stav;
  }
};

size_t Pocet(const std::string& text, const std::string& hledany) {
  size_t pocet = 0;
  for (size_t i = text.find(hledany); i != std::string::npos;
       i = text.find(hledany, i + 1))
    pocet++;
  return pocet;
}

const char kBila[] = "\x1b[97;40m";  // 15: bright white on black
const char kSmazat[] = "\x1b[H\x1b[2J\x1b[3J";

}  // namespace

TEST(Terminal, TierWordsInTheirColours) {
  Terminal terminal(HraSeStojicimCasem());
  ASSERT_GT(terminal.pid, 0);
  terminal.Napsat("\n2000\n\n\n0\n\n");
  ASSERT_TRUE(terminal.Cist());
  EXPECT_EQ(WEXITSTATUS(terminal.Konec()), 0);
  const std::string& obrazovka = terminal.obrazovka;

  // Each crate line: its number in bright white, then its word in the tier's
  // colour. The colour changes twice a line, so both are written each time,
  // but for the first number: bright white is already in force there.
  static const char* const kBarvy[] = {"\x1b[37;40m", "\x1b[34;40m",
                                       "\x1b[35;40m", "\x1b[33;40m"};
  static const char* const kSlova[] = {"bezna", "vzacna", "epicka",
                                       "legendarni!"};
  std::function<int()> hod = HodyTetoPlatformy(kCas);
  std::string radky;
  int urovni[4] = {};
  for (int n = 1; n <= 2000; n++) {
    int h = hod();
    int u = h < 8000 ? 0 : h < 9575 ? 1 : h < 9975 ? 2 : 3;
    urovni[u]++;
    radky += (n > 1 ? kBila : "") + std::to_string(n) + ". bedna -> " +
             kBarvy[u] + kSlova[u] + "\r\n";
  }
  for (int pocet : urovni)
    ASSERT_GT(pocet, 0) << "the crates show every tier";
  EXPECT_NE(obrazovka.find("Je to tu!\r\n" + radky + kBila + "\r\n====="),
            std::string::npos);

  // The intro's tier labels in the same colours.
  EXPECT_NE(
      obrazovka.find(std::string(kBarvy[0]) + "1. Beznou\r\n" + kBarvy[1] +
                     "2. Vzacnou\r\n" + kBarvy[2] + "3. Epickou\r\n" +
                     kBarvy[3] + "4. Legendarni\r\n" + kBila + "Taky"),
      std::string::npos);

  // Cleared before each screen but the intro: two count screens, the
  // opening, the summary and the final statement.
  EXPECT_EQ(Pocet(obrazovka, kSmazat), 5u);
  EXPECT_EQ(obrazovka.find('\f'), std::string::npos);
  EXPECT_EQ(obrazovka.rfind("\x1b[0m"), obrazovka.size() - 4)
      << "the terminal is left in its own colours";
}

TEST(Terminal, CtrlCResetsTheColours) {
  // Without faketime, which would take the signal for itself.
  Terminal terminal({CestaKeHre()});
  ASSERT_GT(terminal.pid, 0);
  ASSERT_TRUE(terminal.Cist("(ENTER)"));
  terminal.Napsat("\x03");
  ASSERT_TRUE(terminal.Cist());
  int stav = terminal.Konec();
  EXPECT_TRUE(WIFSIGNALED(stav) && WTERMSIG(stav) == SIGINT);
  EXPECT_EQ(terminal.obrazovka.rfind("\x1b[0m"), terminal.obrazovka.size() - 4);
}
