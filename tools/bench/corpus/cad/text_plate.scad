// A name plate: rounded corners, engraved and embossed text, two mounting holes.
width = 80; depth = 40; thickness = 4; corner = 3;
engraved = "LUMENO"; embossed = "42"; text_size = 8; relief = 1;
hole = 2.5; fn = 24;

module rounded_plate() {
    hull() for (x = [corner, width - corner], y = [corner, depth - corner])
        translate([x, y, 0]) cylinder(r = corner, h = thickness, $fn = fn);
}

difference() {
    union() {
        rounded_plate();
        translate([width * 0.75, depth / 2, thickness - 0.01])
            linear_extrude(relief) text(embossed, size = text_size, font = "DejaVu Sans:style=Bold",
                                        halign = "center", valign = "center", $fn = fn);
    }
    translate([width * 0.35, depth / 2, thickness - relief])
        linear_extrude(relief + 1) text(engraved, size = text_size * 0.7, font = "DejaVu Sans",
                                        halign = "center", valign = "center", $fn = fn);
    for (x = [corner * 2, width - corner * 2])
        translate([x, depth / 2, -1]) cylinder(r = hole, h = thickness + 2, $fn = fn);
}
