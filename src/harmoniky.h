// The four tiers of harmonika, and which roll of a crate gives which.
#pragma once

enum Uroven { Bezna, Vzacna, Epicka, Legendarni };

// The tier of a roll from 0 to 9999: common up to 7999, rare up to 9574,
// epic up to 9974, legendary above. The rolls 8000 to 8074 and 9575 to 9674
// lie between the bands as first drawn; they go to the band above, so that
// every crate gives exactly one harmonika.
inline Uroven UrovenHodu(int hod) {
  // Counted, not branched on: one crate in five is not common, and a wrong
  // guess at a branch would cost more than the sum.
  return static_cast<Uroven>((hod > 7999) + (hod > 9574) + (hod > 9974));
}
