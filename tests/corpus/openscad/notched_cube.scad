// A cube with one corner cut away: few faces, small enough to seed the fuzzing.
difference() {
    cube(10);
    translate([5, 5, 5]) cube(10);
}
