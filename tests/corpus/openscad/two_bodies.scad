// Two bodies that do not touch, written as one object: a cube and a sphere.
cube(8);
translate([20, 4, 4]) sphere(r = 5, $fn = 16);
