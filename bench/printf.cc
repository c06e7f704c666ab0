// The opening loop as a plain rendition writes it: printf for every crate,
// for comparison with the game.
#include <cstdio>
#include <cstdlib>
#include <ctime>

int main(int argc, char** argv) {
  long long kolik = argc > 1 ? std::atoll(argv[1]) : 100000000;
  std::srand(static_cast<unsigned>(std::time(nullptr)));
  for (long long n = 1; n <= kolik; n++) {
    std::printf("%lld. bedna -> ", n);
    int hod = std::rand() % 10000;
    if (hod <= 7999)
      std::printf("bezna\n");
    else if (hod <= 9574)
      std::printf("vzacna\n");
    else if (hod <= 9974)
      std::printf("epicka\n");
    else
      std::printf("legendarni!\n");
  }
  return 0;
}
