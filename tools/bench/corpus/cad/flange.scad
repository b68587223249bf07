// A turned flange: a profile with rounded corners (offset) swept round, and a bolt circle.
outer = 40; inner = 12; hub = 20; plate = 6; hub_height = 18; round = 1.5;
bolts = 6; bolt = 5; fn = 48;

difference() {
    rotate_extrude($fn = fn) offset(r = round, $fn = 12) offset(delta = -round)
        polygon([[inner, 0], [outer, 0], [outer, plate], [hub, plate], [hub, hub_height], [inner, hub_height]]);
    for (i = [0 : bolts - 1]) rotate(i * 360 / bolts)
        translate([(outer + hub) / 2, 0, -1]) cylinder(d = bolt, h = plate + 2, $fn = 16);
}
