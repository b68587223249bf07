// A printer-bed-like plate: rows of through slots, countersunk corner holes and a thin rim.
width = 220; depth = 220; thickness = 3; slot_length = 30; slot_width = 4;
columns = 5; rows = 6; rim = 1.2; rim_height = 2; hole = 3; fn = 20;

module slot() {
    hull() for (x = [-slot_length / 2, slot_length / 2])
        translate([x, 0, -1]) cylinder(d = slot_width, h = thickness + 2, $fn = fn);
}

difference() {
    union() {
        cube([width, depth, thickness]);
        difference() { // the rim: a thin wall around the edge
            cube([width, depth, thickness + rim_height]);
            translate([rim, rim, thickness]) cube([width - 2 * rim, depth - 2 * rim, rim_height + 1]);
        }
    }
    for (i = [0 : columns - 1], j = [0 : rows - 1])
        translate([width * (i + 1) / (columns + 1), depth * (j + 1) / (rows + 1), 0]) slot();
    for (x = [8, width - 8], y = [8, depth - 8]) translate([x, y, 0]) {
        translate([0, 0, -1]) cylinder(d = hole, h = thickness + 2, $fn = fn);
        translate([0, 0, thickness - hole / 2]) cylinder(d1 = hole, d2 = hole * 2 + 0.2, h = hole / 2 + 0.01, $fn = fn);
    }
}
