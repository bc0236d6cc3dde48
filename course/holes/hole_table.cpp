#include "course/holes/hole_table.h"

namespace {

// hole, par, banner, terrain, cup position, cup depth, pipes, slick pipes, blade, water level, water plane textured
constexpr HoleRow kHoles[] = {
    {-1, 3, "practice.png", "terrian0.jpg", {-0.344f, 0.587f, 32.011f}, -0.4f, false, false, false, -1000, true},
    {1, 2, "hole1.png", "terrian1.jpg", {0.232f, -0.5f, 26.731f}, -0.9f, false, false, false, -1000, false},
    {2, 2, "hole2.png", "terrian2.jpg", {0, 1.559724f, 32.001106f}, 0.7f, false, false, false, -4000, false},
    {3, 3, "hole3.png", "terrian3.jpg", {17.052f, -2.14538f, -7.24f}, -3.4f, false, false, false, -10, false},
    {4, 3, "hole4.png", "terrian4.jpg", {-18.55f, -7, 48.3f}, -7.1f, true, false, false, -1000, false},
    {5, 3, "hole5.png", "terrian5.jpg", {-5.82f, 1, 27.5f}, 0.2f, true, false, true, -1000, true},
    {6, 3, "hole6.png", "terrian6.jpg", {-17.1f, -6, 8.7f}, -6.35f, true, true, false, -1000, false},
    {7, 3, "hole7.png", "terrian7.jpg", {18, -1.6f, 23.9f}, -1.4f, true, true, false, -8, false},
    {8, 4, "hole8.png", "terrian8.jpg", {27.66f, -2.12f, -0.29f}, -3.35f, true, true, true, -1000, true},
    {9, 5, "hole9.png", "terrian9.jpg", {0.252f, 0, 27.66f}, -0.32f, false, false, false, -1000, true},
    {10, 2, "hole10.png", "terrian10.jpg", {-21.136f, -4.5f, 19.74f}, -4.3f, false, false, false, -1000, true},
    {11, 3, "hole16.png", "terrian11.jpg", {-18.76f, 0.5f, 23.04f}, 0.57f, false, false, false, -1000, true},
    {12, 5, "hole13.png", "terrian12.jpg", {18.99f, -5, 7.26f}, -5.73f, false, false, false, -1000, true},
    {13, 5, "hole12.png", "terrian13.jpg", {6.24f, -4, 42.72f}, -5.3f, true, false, false, -1000, true},
    {14, 3, "hole14.png", "terrian14.jpg", {-13.108f, 0.5f, 7.624f}, -0.5f, false, false, false, -1000, true},
    {15, 4, "hole11.png", "terrian15.jpg", {20.021f, -3.769f, -9.337f}, -4.6f, false, false, false, -1000, true},
    {16, 5, "hole15.png", "terrian16.jpg", {-0.002f, 3, -7.223f}, 1.5f, false, false, false, -1000, true},
    {17, 5, "hole17.png", "terrian17.jpg", {-17.218f, -0.5f, -5.27f}, -1.55f, false, false, false, -1000, true},
    {18, 3, "hole18.png", "terrian18.jpg", {-18.58f, 0, 20.207f}, -1.44f, true, false, true, -1000, true},
};

constexpr BladeRow kBlades[] = {
    {5, {0.5f, 1.5f, 0.2f}, {0, 1.8f, 19.6f}, {0, 0, 7}},
    {8, {0.2f, 1.5f, 0.5f}, {14.9f, 5.2f, 19.4f}, {7, 0, 0}},
    {18, {0.2f, 1.5f, 0.5f}, {-8.14f, 0.107f, 15.16f}, {7, 0, 0}},
};

}  // namespace

const HoleRow* holeRow(int32_t hole)
{
    for (const HoleRow& row : kHoles)
        if (row.hole == hole) return &row;
    return nullptr;
}

int32_t holeFileNumber(int32_t hole) { return hole < 0 ? 0 : hole; }

const BladeRow* bladeRow(int32_t hole)
{
    for (const BladeRow& row : kBlades)
        if (row.hole == hole) return &row;
    return nullptr;
}
