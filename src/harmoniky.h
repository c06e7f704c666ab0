// The four tiers of harmonika, and which roll of a crate gives which.
#pragma once

enum Uroven { Bezna, Vzacna, Epicka, Legendarni };

// The tier of a roll from 0 to 9999: common up to 7999, rare up to 9574,
// epic up to 9974, legendary above. The rolls 8000 to 8074 and 9575 to 9674
// lie between the bands as first drawn; they go to the band above, so that
// every crate gives exactly one harmonika.
inline Uroven UrovenHodu(int hod) {
  if (hod <= 7999)
    return Bezna;
  if (hod <= 9574)
    return Vzacna;
  if (hod <= 9974)
    return Epicka;
  return Legendarni;
}
