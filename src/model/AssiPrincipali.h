#pragma once
// Principal centroidal axes from the moments about centroidal x and y axes.

struct AssiPrincipaliInerzia {
  double AngoloJotaI;  // axis of the larger moment, radians
  double AngoloJotaII;  // AngoloJotaI -/+ pi/2
  double jota_IG;  // larger moment
  double jota_IIG;  // smaller moment
};

// phi is the stationary angle of the moment about a centroidal axis; the sign
// of its second derivative tells whether it carries the larger moment.
AssiPrincipaliInerzia CalcolaAssiPrincipali(double jota_xG, double jota_yG, double jota_xyG);
