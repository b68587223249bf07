// A thin-walled open box with rounded edges and corners (hulls of spheres) and a lip.
width = 60; depth = 40; height = 30; radius = 5; wall = 1.2; fn = 24;

module rounded_block(w, d, h, r) {
    hull() for (x = [r, w - r], y = [r, d - r], z = [r, h + r])
        translate([x, y, z]) sphere(r = r, $fn = fn);
}

difference() {
    rounded_block(width, depth, height, radius);
    translate([wall, wall, wall]) rounded_block(width - 2 * wall, depth - 2 * wall, height + radius, radius - wall);
    translate([-1, -1, height]) cube([width + 2, depth + 2, radius * 3]);
}
