// Pushes the given number of bytes to standard output in blocks as large as
// the game's, and does nothing else: what a pipe alone costs the game.
#include <unistd.h>

#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
  long long zbyva = argc > 1 ? std::atoll(argv[1]) : 0;
  static char blok[256 * 1024];
  const char radek[] = "123456789. bedna -> bezna\n";
  for (size_t i = 0; i < sizeof blok; i++)
    blok[i] = radek[i % (sizeof radek - 1)];
  while (zbyva > 0) {
    size_t kolik = zbyva < static_cast<long long>(sizeof blok)
                       ? static_cast<size_t>(zbyva)
                       : sizeof blok;
    ssize_t zapsano = write(STDOUT_FILENO, blok, kolik);
    if (zapsano <= 0)
      return 1;
    zbyva -= zapsano;
  }
  return 0;
}
