#include "tools/artwork/noise.h"

#include <cmath>

namespace ledgerleaf {

float Noise::lattice(int x, int y) const {
    std::uint32_t h = seed_ ^ (static_cast<std::uint32_t>(x) * 0x27d4eb2dU) ^
                      (static_cast<std::uint32_t>(y) * 0x165667b1U);
    h ^= h >> 15;
    h *= 0x2c1b3c6dU;
    h ^= h >> 12;
    h *= 0x297a2d39U;
    h ^= h >> 15;
    return static_cast<float>(h & 0xFFFFFFU) / 16777216.0f;
}

float Noise::smooth(float x, float y) const {
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    float tx = x - fx;
    float ty = y - fy;
    tx = tx * tx * (3.0f - 2.0f * tx);
    ty = ty * ty * (3.0f - 2.0f * ty);
    const float top = lattice(ix, iy) + (lattice(ix + 1, iy) - lattice(ix, iy)) * tx;
    const float bottom = lattice(ix, iy + 1) + (lattice(ix + 1, iy + 1) - lattice(ix, iy + 1)) * tx;
    return top + (bottom - top) * ty;
}

float Noise::fractal(float x, float y, int octaves) const {
    float sum = 0.0f;
    float weight = 0.5f;
    float total = 0.0f;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * smooth(x, y);
        total += weight;
        x = x * 2.0f + 17.3f;
        y = y * 2.0f + 5.9f;
        weight *= 0.5f;
    }
    return sum / total;
}

}  // namespace ledgerleaf
