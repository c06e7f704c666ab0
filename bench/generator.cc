// The generator alone: the one rand() call per crate that the game must
// make, and nothing else, for the count given on the command line.
#include <cstdio>
#include <cstdlib>
#include <ctime>

int main(int argc, char** argv) {
  long long kolik = argc > 1 ? std::atoll(argv[1]) : 100000000;
  std::srand(static_cast<unsigned>(std::time(nullptr)));
  unsigned soucet = 0;
  for (long long n = 1; n <= kolik; n++)
    soucet += static_cast<unsigned>(std::rand() % 10000);
  std::printf("%u\n", soucet);  // so the loop is not optimised away
  return 0;
}
