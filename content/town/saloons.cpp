// The saloons of the town's main street, with saloon.jpg (normal texture saloonnormal.jpg,
// shared with the house's saloon1.jpg, so saloon.jpg keeps the house's atlas layout):
//
//   saloon.b3d       two storeys, a false front, a balcony over the boardwalk on posts,
//                    swing doors and the sign "SALOON"
//   saloonGlass.3ds  the window panes of saloon.b3d (glass.jpg); saloon2.b3d has its
//                    windows in the same places, so the panes fit it too
//   saloon2.b3d      the hotel and general store: the saloon's walls and windows, a stepped
//                    false front, a porch roof instead of the balcony, a lean-to at the back
//   saloon3.b3d      the bank: one tall storey, pilasters and a cornice on the front,
//                    barred windows
//
// Intended scale 3 (a storey is 1.6 model units, 4.8 world units, as tall as the house's
// storey at scale 2). Every saloon stands on its origin (the middle of its footprint at
// ground level, lowest point y = 0), its front towards -z. Footprints (x by z, then height):
//
//   model          model units                        at scale 3 (world units)
//   saloon.b3d     x -2.5..2.5, z -3.4..2.6, h 4.6     15 x 18, 13.8 tall
//   saloon2.b3d    x -2.5..2.5, z -3.4..3.6, h 4.6     15 x 21, 13.8 tall
//   saloon3.b3d    x -2.1..2.1, z -2.9..2.6, h 4.2     12.6 x 16.5, 12.6 tall
//
// A hole lays a flat plot of the footprint at the height where it places the model.
