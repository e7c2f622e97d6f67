#pragma once

// One entry of a display's 3D colour look-up table; each channel travels as 16 bits.
struct lut3d_entry {
    int red = 0;
    int green = 0;
    int blue = 0;
};
