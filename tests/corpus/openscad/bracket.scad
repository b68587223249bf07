// An angle bracket with two holes: a CSG difference, so the surface has long thin triangles.
difference() {
    union() {
        cube([40, 20, 4]);
        cube([4, 20, 30]);
    }
    translate([25, 10, -1]) cylinder(h = 6, r = 4, $fn = 24);
    translate([-1, 10, 18]) rotate([0, 90, 0]) cylinder(h = 6, r = 4, $fn = 24);
}
