#include "code_translation.h"

#include <initializer_list>
#include <utility>

namespace {
using Table = std::initializer_list<std::pair<int, int>>;

int translate(Table table, int code, int fallback) {
    for (const auto& entry : table)
        if (entry.first == code)
            return entry.second;
    return fallback;
}
} // namespace

int input_to_legacy_code(int code) {
    return translate(
        {{1, 1}, {2, 2}, {3, 3}, {5, 5}, {7, 7}, {10, 10}, {12, 12}, {13, 13}, {17, 4}}, code, 0);
}

int input_from_legacy_code(int code) {
    return translate(
        {{1, 1}, {2, 2}, {3, 3}, {5, 5}, {7, 7}, {12, 12}, {13, 13}, {4, 17}, {9, 10}, {10, 10}},
        code, 0);
}

int schedule_input_from_legacy(int code) {
    return translate({{0, 3}, {1, 1}, {2, 2}, {3, 17}, {4, 12}, {5, 5}, {6, 7}, {7, 10}, {8, 10}},
                     code, 0);
}

int schedule_input_to_legacy(int code) {
    return translate({{1, 1}, {2, 2}, {3, 0}, {5, 5}, {7, 6}, {10, 8}, {12, 4}, {17, 3}}, code, 9);
}

int schedule_input_to_plain(int code) {
    return translate({{1, 2},
                      {2, 3},
                      {3, 0},
                      {5, 8},
                      {6, 9},
                      {7, 10},
                      {10, 11},
                      {12, 5},
                      {14, 6},
                      {15, 1},
                      {17, 4}},
                     code, 15);
}

int schedule_input_from_plain(int code) {
    return translate({{0, 3},
                      {1, 15},
                      {2, 1},
                      {3, 2},
                      {4, 17},
                      {5, 12},
                      {6, 14},
                      {8, 5},
                      {9, 6},
                      {10, 7},
                      {11, 10}},
                     code, 0);
}

int schedule_field_to_plain(int code) {
    return translate({{1, 2}, {3, 0}, {4, 1}, {5, 3}, {6, 4}, {7, 5}, {11, 6}, {12, 7}}, code, 8);
}

int schedule_field_from_plain(int code) {
    return translate({{0, 3}, {1, 4}, {2, 1}, {3, 5}, {4, 6}, {5, 7}, {6, 11}, {7, 12}}, code, 0);
}
