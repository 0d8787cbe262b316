// Number helpers shared by the settings code and the displays.
#pragma once

// Round to the nearest integer, halves to the even neighbour.
long long RoundHalfEven(double value);
