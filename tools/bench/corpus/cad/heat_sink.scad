// A heat sink: a base with many thin fins, rounded on top, and two screw holes.
width = 50; depth = 40; base = 3; fins = 10; fin = 1; fin_height = 20; hole = 3.2; fn = 16;

difference() {
    union() {
        cube([width, depth, base]);
        for (i = [0 : fins - 1]) {
            x = (width - fin) * i / (fins - 1);
            translate([x, 0, base - 0.01]) cube([fin, depth, fin_height - fin / 2]);
            translate([x + fin / 2, 0, base + fin_height - fin / 2]) rotate([-90, 0, 0]) cylinder(d = fin, h = depth, $fn = fn);
        }
    }
    for (y = [depth * 0.25, depth * 0.75])
        translate([width / 2, y, -1]) cylinder(d = hole, h = base + 2, $fn = fn);
}
