// The mine mills: stamp mills whose timber houses step down in three tiers towards
// the front (-z), on stone footings, with a head frame over the top tier, an ore chute
// and tin roofs. Textures mill.jpg or mill1.jpg (one atlas layout, painted two ways)
// with millnormal.jpg; the scenery catalogue gives mill1.jpg to the models whose name
// holds a "1" (minemill1.b3d, mineMill1.b3d).
//
// Every variant shares the same mill house, so its windows sit in the same places and
// one glass model, minemill_glass.b3d, fits them all; the variants differ in what stands
// round the house (head frame, chimney and boiler house, tramway trestle, ore bins):
//
//   minemill.b3d    the stamp mill with its head frame and ore chute
//   minemill1.b3d   with a boiler house and a tall iron chimney on the +x side
//   mineMill1.b3d   with a tramway trestle running back from the head frame
//   minemill2.b3d   with ore bins and a lean-to on the -x side
//   mineMill2.b3d   with a water tank on a tower and a second head frame
//
// Intended scale 2. Every mill stands on its origin (the middle of its footprint at
// ground level, lowest point y = 0; the upper tiers stand on footings down to y = 0, so
// the plot is flat), its front towards -z. Footprints (x by z, then height):
//
//   model            model units                         at scale 2 (world units)
//   every mill       x -4.0..4.0, z -4.5..4.5, h <= 9.0    16 x 18, at most 18 tall
//   (the house alone x -3.0..3.0, z -3.6..3.6)
//
// A hole lays a flat plot of the footprint at the height where it places the model.
