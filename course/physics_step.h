// Advances the physics world by 0.01 s behind the frame-rate gate and moves
// the scene nodes onto their bodies.
#pragma once

void stepPhysics();
