// Several separate bodies in one file: a washer, a hex nut, a pin and a spur gear.
teeth = 18; module_size = 2; gear_thickness = 6; bore = 5; nut = 10; fn = 32; spacing = 50;

module gear() {
    pitch = teeth * module_size / 2;
    linear_extrude(gear_thickness) difference() {
        union() {
            circle(r = pitch - module_size, $fn = teeth * 4);
            for (i = [0 : teeth - 1]) rotate(i * 360 / teeth)
                polygon([[pitch - module_size, -module_size * 0.9], [pitch + module_size, -module_size * 0.4],
                         [pitch + module_size, module_size * 0.4], [pitch - module_size, module_size * 0.9]]);
        }
        circle(d = bore, $fn = fn);
    }
}

gear();
translate([spacing, 0, 0]) difference() { // washer
    cylinder(d = 20, h = 2, $fn = fn);
    translate([0, 0, -1]) cylinder(d = 10, h = 4, $fn = fn);
}
translate([0, spacing, 0]) difference() { // hex nut with a chamfer
    intersection() {
        cylinder(d = nut / cos(30), h = nut * 0.8, $fn = 6);
        cylinder(d1 = nut * 1.3, d2 = nut * 0.95, h = nut * 0.8, $fn = fn);
    }
    translate([0, 0, -1]) cylinder(d = nut * 0.55, h = nut, $fn = fn);
}
translate([spacing, spacing, 0]) { // a pin with a rounded head
    cylinder(d = 4, h = 20, $fn = fn);
    translate([0, 0, 20]) sphere(d = 6, $fn = fn);
}
