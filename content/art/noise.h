// Deterministic noise for procedural art. Every function is pure: the same
// arguments give the same value on every run.
#pragma once

#include <cstdint>

uint32_t hash32(uint32_t x);
float hashUnit(int x, int y, uint32_t seed);               // 0..1
float valueNoise(float x, float y, uint32_t seed);         // 0..1, smooth
// Tiling value noise: repeats every `period` units in x and y.
float tiledNoise(float x, float y, int period, uint32_t seed);
// Sum of octaves of tiledNoise (period doubles with each octave), 0..1.
float tiledFbm(float x, float y, int period, int octaves, uint32_t seed);
float fbm(float x, float y, int octaves, uint32_t seed);   // 0..1

// A small deterministic generator for placing things (not the game's rand()).
struct Random {
    uint32_t state;
    explicit Random(uint32_t seed) : state(hash32(seed) | 1u) {}
    uint32_t next();
    float unit();                       // 0..1
    float range(float lo, float hi);
};
