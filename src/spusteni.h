// Runs the built game as a player or a script would, for the black-box
// tests: input from a file, output caught from a pipe, a time limit so that
// a game that never ends fails its test instead of hanging the run.
#pragma once

#include <string>
#include <vector>

struct Spusteni {
  std::vector<std::string> prikaz;
  std::string vstup;                   // what standard input holds
  const char* vstupZ = nullptr;        // or a file to read instead (/dev/null)
  bool bezVstupu = false;              // or standard input closed
  const char* vystupDo = nullptr;      // a file to write to instead of the pipe
  bool zavrenaRoura = false;           // or a pipe nobody reads
  bool ignorovatSigpipe = false;       // started with SIGPIPE ignored
  std::vector<std::string> prostredi;  // NAME=value added to the environment
  int limitSekund = 60;
};

struct Beh {
  std::string vystup;
  bool vcas = false;  // ended within the limit (else it was killed)
  int stav = -1;      // exit status, when it exited
  int signal = 0;     // the signal that ended it, when one did
};

Beh Spustit(const Spusteni& spusteni);
Beh Spustit(std::vector<std::string> prikaz, std::string vstup);

// The game run with its clock held at 2026-01-01 12:00:00 UTC, so that its
// rolls are known: srand(kCas) and rand() give them.
constexpr unsigned kCas = 1767268800;
std::vector<std::string> HraSeStojicimCasem();

// The built game, or what runs it (an emulator, a faketime wrapper).
std::string CestaKeHre();
