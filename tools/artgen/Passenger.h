#pragma once

#include "VectorArt.h"

// The passenger in the cabin: a woman in an orange dress with a handbag and a
// child on her arm, as black silhouette first and coloured areas inset on it,
// so the black between them reads as outlines and dark details.
// Drawing units are about one screen pixel: 80 across and 126 down.
VectorArt passengerArt();
