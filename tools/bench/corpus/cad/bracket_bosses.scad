// An angle bracket: bosses with holes on the base, thin ribs, a concave fillet in the corner.
length = 60; width = 30; thickness = 4; height = 40; fillet = 6;
bosses = 2; boss = 9; boss_height = 6; hole = 4; ribs = 2; rib = 1.5; fn = 32;

difference() {
    union() {
        cube([length, width, thickness]);
        cube([thickness, width, height]);
        // The fillet: a block with a cylinder taken out of its far corner.
        translate([thickness, 0, thickness]) difference() {
            cube([fillet, width, fillet]);
            translate([fillet, -1, fillet]) rotate([-90, 0, 0]) cylinder(r = fillet, h = width + 2, $fn = fn);
        }
        for (i = [1 : bosses])
            translate([thickness + (length - thickness) * i / (bosses + 1), width / 2, 0])
                cylinder(d = boss, h = thickness + boss_height, $fn = fn);
        for (i = [1 : ribs]) // thin triangular ribs
            translate([0, width * i / (ribs + 1) - rib / 2, 0])
                rotate([90, 0, 0]) mirror([0, 0, 1])
                    linear_extrude(rib) polygon([[thickness, thickness], [length * 0.6, thickness], [thickness, height * 0.8]]);
    }
    for (i = [1 : bosses])
        translate([thickness + (length - thickness) * i / (bosses + 1), width / 2, -1])
            cylinder(d = hole, h = thickness + boss_height + 2, $fn = fn);
    translate([-1, width / 2, height * 0.7]) rotate([0, 90, 0]) cylinder(d = hole * 1.5, h = thickness + 2, $fn = fn);
}
