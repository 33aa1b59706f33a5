#include "decision/Selection.h"

#include "simulation/NamedCases.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <random>
#include <vector>

namespace wexa {
namespace {

using Values = std::vector<std::int64_t>;

struct Shape {
    const char* name;
    std::function<Values(int)> make;
};

// Every index given holds the value a full sort puts there, with nothing
// larger before it and nothing smaller after it; the values are the same
// values.
void ExpectPlaced(const Values& original, const Values& placed,
                  const std::vector<std::size_t>& indices) {
    Values sorted = original;
    std::sort(sorted.begin(), sorted.end());
    ASSERT_TRUE(std::is_permutation(placed.begin(), placed.end(), original.begin()));
    for (const std::size_t index : indices) {
        ASSERT_EQ(placed[index], sorted[index]) << "index " << index << " of " << placed.size();
        for (std::size_t k = 0; k < placed.size(); ++k) {
            ASSERT_TRUE(k < index ? placed[k] <= placed[index] : placed[k] >= placed[index])
                << "index " << index << ", value at " << k;
        }
    }
}

// The indices the comparison asks for, and every index of a short input.
std::vector<std::vector<std::size_t>> IndexSets(std::size_t size) {
    std::vector<std::vector<std::size_t>> sets;
    const auto nearest = [size](std::size_t p) { return (p * size + 99) / 100 - 1; };
    sets.push_back({nearest(10), nearest(50), nearest(90)});
    sets.push_back({nearest(10), nearest(10), nearest(50), size - 1 - nearest(50),
                    size - 1 - nearest(10), size - 1 - nearest(10)});
    sets.push_back({0});
    sets.push_back({size - 1});
    if (size <= 40) {
        std::vector<std::size_t> every(size);
        for (std::size_t k = 0; k < size; ++k) {
            every[k] = k;
        }
        sets.push_back(every);
    }
    for (auto& set : sets) {
        std::sort(set.begin(), set.end());
    }
    return sets;
}

class PlaceSortedValuesTest : public ::testing::TestWithParam<Shape> {};

TEST_P(PlaceSortedValuesTest, PutsEachIndexWhereASortWould) {
    for (const int size : {1, 2, 3, 23, 24, 25, 40, 1001}) {
        const Values original = GetParam().make(size);
        for (const auto& indices : IndexSets(original.size())) {
            Values placed = original;
            PlaceSortedValues<std::int64_t>(placed, indices);
            ExpectPlaced(original, placed, indices);
            // The same with no partition allowed: the library's selection
            // finishes what poor pivots leave.
            for (const int levels : {0, 1}) {
                Values fallback = original;
                selection::Place<std::int64_t>(fallback, 0, indices, levels);
                ExpectPlaced(original, fallback, indices);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, PlaceSortedValuesTest,
    ::testing::Values(Shape{"Random",
                            [](int n) {
                                std::mt19937_64 random(static_cast<std::uint64_t>(n));
                                Values v(static_cast<std::size_t>(n));
                                for (auto& x : v) {
                                    x = static_cast<std::int64_t>(random() % 2000001) - 1000000;
                                }
                                return v;
                            }},
                      Shape{"Ascending",
                            [](int n) {
                                Values v(static_cast<std::size_t>(n));
                                for (int k = 0; k < n; ++k) {
                                    v[static_cast<std::size_t>(k)] = k;
                                }
                                return v;
                            }},
                      Shape{"Descending",
                            [](int n) {
                                Values v(static_cast<std::size_t>(n));
                                for (int k = 0; k < n; ++k) {
                                    v[static_cast<std::size_t>(k)] = -k;
                                }
                                return v;
                            }},
                      // Two identical alternatives differ by 0 in every iteration.
                      Shape{"AllEqual",
                            [](int n) { return Values(static_cast<std::size_t>(n), 0); }},
                      Shape{"ThreeValues",
                            [](int n) {
                                Values v(static_cast<std::size_t>(n));
                                for (int k = 0; k < n; ++k) {
                                    v[static_cast<std::size_t>(k)] = (k * 7) % 3 - 1;
                                }
                                return v;
                            }},
                      Shape{"OrganPipe",
                            [](int n) {
                                Values v(static_cast<std::size_t>(n));
                                for (int k = 0; k < n; ++k) {
                                    v[static_cast<std::size_t>(k)] = std::min(k, n - k);
                                }
                                return v;
                            }},
                      Shape{"Extremes",
                            [](int n) {
                                Values v(static_cast<std::size_t>(n));
                                for (int k = 0; k < n; ++k) {
                                    v[static_cast<std::size_t>(k)] =
                                        k % 2 == 0 ? INT64_MIN + k : INT64_MAX - k;
                                }
                                return v;
                            }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PlaceSortedValues, NoIndicesLeavesTheValuesAlone) {
    const Values original{5, 3, 9, 1};
    Values values = original;
    PlaceSortedValues<std::int64_t>(values, {});
    EXPECT_EQ(values, original);
    Values empty;
    PlaceSortedValues<std::int64_t>(empty, {});
    EXPECT_TRUE(empty.empty());
}

} // namespace
} // namespace wexa
