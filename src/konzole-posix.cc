// The console on POSIX terminals, pipes and files. A terminal gets colours
// as SGR escape sequences and clearing as ANSI erase sequences, in band with
// the text. A pipe or a file gets no colour bytes and a form feed for each
// clearing, so a saved transcript shows where each screen began.
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "konzole.h"
#include "platforma.h"

static const char kObnovit[] = "\x1b[0m";

static bool jeTerminal;
bool barvyNaVystupu;

static void Dokoncit() {
  Odeslat();
  if (jeTerminal)
    ZapsatVystup(kObnovit, sizeof kObnovit - 1);
}

// Ctrl+C must not leave the player's shell coloured.
static void PriPreruseni(int signal) {
  ssize_t zapsano = write(STDOUT_FILENO, kObnovit, sizeof kObnovit - 1);
  (void)zapsano;
  ::signal(signal, SIG_DFL);
  raise(signal);
}

// Standard output is looked at once, before the game writes anything.
static bool Pripravit() {
  std::atexit(Dokoncit);
  const char* term = std::getenv("TERM");
  jeTerminal =
      isatty(STDOUT_FILENO) && term && *term && std::strcmp(term, "dumb") != 0;
  barvyNaVystupu = jeTerminal;
  if (jeTerminal) {
    signal(SIGINT, PriPreruseni);
    signal(SIGTERM, PriPreruseni);
  }
  return true;
}
static const bool pripraveno = Pripravit();

// Starts unknown, so the first colour is always written.
static int barvaNaTerminalu = -1;

void ZobrazitBarvu(int barva) {
  barva &= 0xffff;
  if (barva == barvaNaTerminalu)
    return;
  barvaNaTerminalu = barva;
  // Attribute bits are blue, green, red; ANSI numbers the same colours
  // red 1, green 2, blue 4, and intense ones from 90 (background 100).
  auto ansi = [](int bity) {
    return (bity & 4 ? 1 : 0) | (bity & 2 ? 2 : 0) | (bity & 1 ? 4 : 0);
  };
  int popredi = (barva & 8 ? 90 : 30) + ansi(barva);
  int pozadi = (barva & 0x80 ? 100 : 40) + ansi(barva >> 4);
  char sekvence[] = "\x1b[..;...m";
  sekvence[2] = char('0' + popredi / 10);
  sekvence[3] = char('0' + popredi % 10);
  char* dalsi = sekvence + 5;
  if (pozadi >= 100)
    *dalsi++ = '1';
  *dalsi++ = char('0' + pozadi / 10 % 10);
  *dalsi++ = char('0' + pozadi % 10);
  *dalsi++ = 'm';
  NapsatBajty(sekvence, dalsi - sekvence);
}

void VycistitObrazovku() {
  if (jeTerminal)
    Napsat(
        "\x1b[H\x1b[2J\x1b[3J");  // home, erase the screen and the scrollback
  else
    Napsat("\f");
}

void ZapsatVystup(const char* text, size_t delka) {
  while (delka > 0) {
    ssize_t zapsano = write(STDOUT_FILENO, text, delka);
    if (zapsano > 0) {
      text += zapsano;
      delka -= zapsano;
    } else if (zapsano < 0 && errno == EAGAIN) {
      // Someone left standard output non-blocking: wait until it takes more.
      pollfd cekani = {STDOUT_FILENO, POLLOUT, 0};
      poll(&cekani, 1, -1);
    } else if (zapsano == 0 || errno != EINTR) {
      return;  // a full disk or a closed pipe: the text is lost, the game goes
               // on
    }
  }
}

size_t CistVstup(char* kam, size_t kolik) {
  for (;;) {
    ssize_t precteno = read(STDIN_FILENO, kam, kolik);
    if (precteno >= 0)
      return precteno;
    if (errno == EAGAIN) {
      pollfd cekani = {STDIN_FILENO, POLLIN, 0};
      poll(&cekani, 1, -1);
    } else if (errno != EINTR) {
      return 0;
    }
  }
}
