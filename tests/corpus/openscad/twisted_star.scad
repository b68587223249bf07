// A five-pointed star extruded with a twist of 120 degrees.
linear_extrude(height = 25, twist = 120, slices = 12)
    polygon([for (i = [0 : 9]) (i % 2 == 0 ? 10 : 4) * [cos(36 * i), sin(36 * i)]]);
