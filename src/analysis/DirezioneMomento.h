#pragma once
// Whether a resisting couple lies in the direction of the acting one.

// Whether the ray from the origin along (ex, ey) meets the segment from
// (x1, y1) to (x2, y2), ends included: a point within zero of the ray's line
// counts as on it. The crossing must lie farther than zero from the origin,
// on the side of (ex, ey).
bool RaggioIncontraSegmento(double ex, double ey, double x1, double y1, double x2, double y2,
                            double zero);
